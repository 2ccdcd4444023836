// SPDX-License-Identifier: GPL-3.0-or-later
// The main window under a dark desktop palette: every text stands out from
// what it is drawn on, also the letters on the fixed light backgrounds (the
// crostic strip, the letter heads, the letter numbers under the answer).
#include "mainwindowfixture.h"

using namespace qbrx;
using namespace Qt::StringLiterals;

namespace {

double luminance(QColor c) {
    auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double contrast(QColor a, QColor b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// How far a widget's text stands out: the contrast between its commonest
// colour (the background) and the colour farthest from it (the text).
double textContrast(QWidget* widget) {
    const QImage image = widget->grab().toImage();
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) ++counts[image.pixel(x, y)];
    QRgb background = 0;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > most) std::tie(background, most) = std::pair(it.key(), it.value());
    double best = 1.0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        best = std::max(best, contrast(QColor(background), QColor(it.key())));
    return best;
}

QPalette darkPalette() {
    QPalette dark(QColor(0x30, 0x30, 0x34), QColor(0x20, 0x20, 0x24));  // button, window
    dark.setColor(QPalette::Base, QColor(0x2A, 0x2A, 0x2E));
    return dark;
}

}  // namespace

class TestDarkPalette : public QObject, test::MainWindowFixture {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setPalette(darkPalette()); }
    void init() { QVERIFY(start()); }
    void cleanup() { form.reset(); }

    void everyLabelStandsOutFromItsBackground() {
        registerQuote(u"Less is more."_s);
        accept(u"Opposite of more"_s, u"less"_s);
        accept(u"Opposite of less"_s, u"more"_s);
        clickRow(1);  // the first crostic letter plain, the second shaded as the current one
        int checked = 0;
        for (QLabel* label : form->findChildren<QLabel*>()) {
            if (label->text().isEmpty() || !label->isVisible()) continue;
            ++checked;
            QVERIFY2(textContrast(label) >= 3.0, qPrintable(label->objectName()));
        }
        QVERIFY(checked > 60);  // the letter heads and counts, the strip, the numbers, the captions
    }
};

QTEST_MAIN(TestDarkPalette)
#include "test_darkpalette.moc"
