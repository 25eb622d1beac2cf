#include "browser/SpectrumChart.h"

#include <QtCharts/QCategoryAxis>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>
#include <algorithm>
#include <cmath>

#include "morvane/Morvane.h"

namespace {

constexpr unsigned short kSpectralDataBit = 0x2000;
// More labels than this would overlap; the axis then names every n-th band.
constexpr int kMostAxisLabels = 32;
constexpr double kLevelStepDb = 10.0;

}  // namespace

SpectrumChart::SpectrumChart(QWidget* parent) : QChartView(parent) {
  setObjectName(QStringLiteral("spectrumChart"));
  setRenderHint(QPainter::Antialiasing);
  chart()->legend()->setAlignment(Qt::AlignTop);
}

bool SpectrumChart::ShowRecord(const QString& path, int type, int number, unsigned short blockSelect) {
  Clear();
  if (blockSelect != ALL_PRESENT_BLOCKS && blockSelect != kSpectralDataBit) return false;
  if (type < 0 || type > 255 || number < 0 || number > 0xFFFF) return false;
  Morvane translator(path.toLocal8Bit().constData());
  StandardSpectrum spectrum;
  if (!translator.GetStandardSpectrum(static_cast<unsigned char>(type), static_cast<unsigned short>(number),
                                      &spectrum))
    return false;
  Show(spectrum);
  return true;
}

void SpectrumChart::Clear() {
  chart()->removeAllSeries();
  for (QAbstractAxis* axis : chart()->axes()) {
    chart()->removeAxis(axis);
    delete axis;
  }
}

bool SpectrumChart::HasSpectrum() const { return !chart()->series().isEmpty(); }

QString SpectrumChart::AxisLabel(const QString& bandLabel) {
  const qsizetype comma = bandLabel.indexOf(QLatin1Char(','));
  return (comma < 0 ? bandLabel : bandLabel.mid(comma + 1)).simplified();
}

void SpectrumChart::Show(const StandardSpectrum& spectrum) {
  const int bands = static_cast<int>(spectrum.bandLabels.size());
  auto* bandAxis = new QCategoryAxis;
  bandAxis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
  // Upright labels would overlap; Qt would cut turned ones to the tick spacing.
  bandAxis->setLabelsAngle(-90);
  bandAxis->setTruncateLabels(false);
  bandAxis->setRange(-0.5, bands - 0.5);
  const int step = (bands + kMostAxisLabels - 1) / kMostAxisLabels;
  for (int band = 0; band < bands; band += step) {
    // The axis takes each label once; a repeated one (such as an SLM "Min") stays unnamed.
    const QString label = AxisLabel(QString::fromStdString(spectrum.bandLabels[static_cast<std::size_t>(band)]));
    if (!bandAxis->categoriesLabels().contains(label)) bandAxis->append(label, band);
  }
  auto* levelAxis = new QValueAxis;
  levelAxis->setTitleText(QStringLiteral("dB"));
  levelAxis->setLabelFormat(QStringLiteral("%.0f"));
  chart()->addAxis(bandAxis, Qt::AlignBottom);
  chart()->addAxis(levelAxis, Qt::AlignLeft);

  float lowest = 0;
  float highest = 0;
  bool first = true;
  for (std::size_t channel = 0; channel < spectrum.levels.size(); ++channel) {
    auto* series = new QLineSeries;
    series->setName(QStringLiteral("Channel %1").arg(channel + 1));
    series->setPointsVisible(true);
    const std::vector<float>& levels = spectrum.levels[channel];
    for (std::size_t band = 0; band < levels.size(); ++band) {
      series->append(static_cast<double>(band), levels[band]);
      lowest = first ? levels[band] : std::min(lowest, levels[band]);
      highest = first ? levels[band] : std::max(highest, levels[band]);
      first = false;
    }
    chart()->addSeries(series);
    series->attachAxis(bandAxis);
    series->attachAxis(levelAxis);
  }
  const double bottom = std::floor(lowest / kLevelStepDb) * kLevelStepDb;
  const double top = std::max(std::ceil(highest / kLevelStepDb) * kLevelStepDb, bottom + kLevelStepDb);
  levelAxis->setRange(bottom, top);
  levelAxis->setTickCount(static_cast<int>((top - bottom) / kLevelStepDb) + 1);
}
