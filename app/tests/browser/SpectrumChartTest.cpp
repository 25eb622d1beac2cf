// The spectrum chart of the demo file's records.
#include <QTest>
#include <QtCharts/QCategoryAxis>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>

#include "browser/SpectrumChart.h"
#include "morvane/Morvane.h"

class SpectrumChartTest : public QObject {
  Q_OBJECT

 private slots:
  void demoSpectrumHasOneLinePerChannelAndItsBandsAlongTheAxis() {
    SpectrumChart chart;
    QVERIFY(chart.ShowRecord(QStringLiteral(VERDALON_DEMO_FILE), 1, 2, ALL_PRESENT_BLOCKS));
    const QList<QAbstractSeries*> series = chart.chart()->series();
    QCOMPARE(series.size(), 1);
    auto* line = qobject_cast<QLineSeries*>(series.front());
    QCOMPARE(line->count(), 31);
    QCOMPARE(line->name(), QStringLiteral("Channel 1"));
    auto* bands = qobject_cast<QCategoryAxis*>(chart.chart()->axes(Qt::Horizontal).front());
    QCOMPARE(bands->count(), 31);
    QCOMPARE(bands->categoriesLabels().front(), QStringLiteral("20.0 Hz"));
    QCOMPARE(bands->categoriesLabels().back(), QStringLiteral("20.0kHz"));
    const auto* levels = qobject_cast<QValueAxis*>(chart.chart()->axes(Qt::Vertical).front());
    QCOMPARE(levels->titleText(), QStringLiteral("dB"));
    QVERIFY(levels->min() <= line->at(0).y() && line->at(0).y() <= levels->max());
  }

  void onlyASpectrumOfTheRecordOrItsDataBlockIsShown_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("blockSelect");
    QTest::addColumn<bool>("shown");
    QTest::newRow("spectral data block") << 2 << 0x2000 << true;
    QTest::newRow("prefix block") << 2 << 0x0001 << false;
    QTest::newRow("record without one") << 8 << int(ALL_PRESENT_BLOCKS) << false;
  }

  void onlyASpectrumOfTheRecordOrItsDataBlockIsShown() {
    QFETCH(int, type);
    QFETCH(int, blockSelect);
    QFETCH(bool, shown);
    SpectrumChart chart;
    QVERIFY(chart.ShowRecord(QStringLiteral(VERDALON_DEMO_FILE), 1, 2, ALL_PRESENT_BLOCKS));
    QCOMPARE(chart.ShowRecord(QStringLiteral(VERDALON_DEMO_FILE), type, 1, static_cast<unsigned short>(blockSelect)),
             shown);
    QCOMPARE(chart.HasSpectrum(), shown);
    QCOMPARE(chart.chart()->axes().isEmpty(), !shown);
  }

  void axisLabelsDropTheBandNumberAndExtraBlanks_data() {
    QTest::addColumn<QString>("bandLabel");
    QTest::addColumn<QString>("axisLabel");
    QTest::newRow("third octave") << "-1,   .80 Hz" << ".80 Hz";
    QTest::newRow("twelfth octave") << "20c  102 Hz" << "20c 102 Hz";
    QTest::newRow("sound level meter") << "  Max" << "Max";
  }

  void axisLabelsDropTheBandNumberAndExtraBlanks() {
    QFETCH(QString, bandLabel);
    QFETCH(QString, axisLabel);
    QCOMPARE(SpectrumChart::AxisLabel(bandLabel), axisLabel);
  }
};

QTEST_MAIN(SpectrumChartTest)
#include "SpectrumChartTest.moc"
