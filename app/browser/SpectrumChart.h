// The previewed record's Standard-mode spectrum as a chart: one line per
// channel over the bands, the band labels along the bottom, dB up the side.
#pragma once

#include <QString>
#include <QtCharts/QChartView>

struct StandardSpectrum;

class SpectrumChart : public QChartView {
  Q_OBJECT

 public:
  explicit SpectrumChart(QWidget* parent = nullptr);

  // Shows record (type, number) of binary data file `path` for the blocks
  // `blockSelect` names: true when it is a Standard-mode spectrum and the
  // record or its spectral data block was chosen; otherwise the chart is
  // emptied.
  bool ShowRecord(const QString& path, int type, int number, unsigned short blockSelect);
  void Clear();
  bool HasSpectrum() const;

  // The axis text of a band label: the frequency after an octave label's
  // band number, with runs of blanks made one.
  static QString AxisLabel(const QString& bandLabel);

 private:
  void Show(const StandardSpectrum& spectrum);
};
