// SPDX-License-Identifier: GPL-3.0-or-later
#include "menukeys.h"

#include <QAction>
#include <QEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QSet>

namespace qbrx {

namespace {

// Where the letters an item's text offers stand, best first: the first
// letters of its words, then its other letters.
QList<qsizetype> candidates(const QString& text) {
    QList<qsizetype> first;
    QList<qsizetype> rest;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!text[i].isLetterOrNumber()) continue;
        const bool startsWord = i == 0 || !text[i - 1].isLetterOrNumber();
        (startsWord ? first : rest).append(i);
    }
    return first + rest;
}

// Watches one menu: whether the user has chosen an item since it opened.
class OpeningGuard final : public QObject {
public:
    explicit OpeningGuard(QMenu* menu) : QObject(menu) { menu->installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
            case QEvent::Show:
                chosen_ = false;
                break;
            case QEvent::MouseMove:
                chosen_ = true;
                break;
            case QEvent::KeyPress: {
                const int key = static_cast<QKeyEvent*>(event)->key();
                if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                    if (!chosen_) {
                        // Nothing chosen yet: the highlight only moves onto the first item.
                        chosen_ = true;
                        return true;
                    }
                } else {
                    chosen_ = true;
                }
                break;
            }
            default:
                break;
        }
        return false;
    }

private:
    bool chosen_ = false;
};

}  // namespace

void giveMnemonics(QMenu* menu) {
    QSet<QChar> taken;
    const QList<QAction*> actions = menu->actions();
    for (const QAction* a : actions) {
        const qsizetype amp = a->text().indexOf(QLatin1Char('&'));
        if (amp >= 0 && amp + 1 < a->text().size()) taken.insert(a->text()[amp + 1].toLower());
    }
    for (QAction* a : actions) {
        const QString text = a->text();
        if (a->isSeparator() || text.isEmpty() || text.contains(QLatin1Char('&'))) continue;
        for (const qsizetype at : candidates(text)) {
            const QChar c = text[at].toLower();
            if (taken.contains(c)) continue;
            taken.insert(c);
            a->setText(text.left(at) + QLatin1Char('&') + text.mid(at));
            break;
        }
    }
}

void guardKeyboardOpening(QMenu* menu) { new OpeningGuard(menu); }

}  // namespace qbrx
