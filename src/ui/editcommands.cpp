// SPDX-License-Identifier: GPL-3.0-or-later
#include "editcommands.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <algorithm>

namespace qbrx {

namespace {

constexpr int kSelectAllLength = 1000;

QClipboard* clipboard() { return QGuiApplication::clipboard(); }

// The selected text of a text box; empty for other controls.
QString selectedText(QWidget* target) {
    if (auto* line = qobject_cast<QLineEdit*>(target)) return line->selectedText();
    if (auto* plain = qobject_cast<QPlainTextEdit*>(target)) {
        QString text = plain->textCursor().selectedText();
        text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
        return text;
    }
    // The help text: read only, but its selection can be copied.
    if (auto* rich = qobject_cast<QTextEdit*>(target)) {
        QString text = rich->textCursor().selectedText();
        text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
        return text;
    }
    return {};
}

// Replaces the selection (or inserts at the caret) in a text box.
void replaceSelection(QWidget* target, const QString& text) {
    if (auto* line = qobject_cast<QLineEdit*>(target)) {
        line->insert(text);
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(target)) {
        plain->textCursor().insertText(text);
    }
}

void putOnClipboard(QWidget* target) {
    if (QClipboard* board = clipboard()) {
        board->clear();
        const QString text = selectedText(target);
        if (!text.isEmpty()) board->setText(text);
    }
}

}  // namespace

void editCut(QWidget* target) {
    putOnClipboard(target);
    replaceSelection(target, QString());
}

void editCopy(QWidget* target) { putOnClipboard(target); }

void editPaste(QWidget* target) {
    const QClipboard* board = clipboard();
    replaceSelection(target, board ? board->text() : QString());
}

void editUndo(QWidget* target) {
    if (auto* line = qobject_cast<QLineEdit*>(target)) {
        line->undo();
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(target)) {
        plain->undo();
    }
}

void editRedo(QWidget* target) {
    if (auto* line = qobject_cast<QLineEdit*>(target)) {
        line->redo();
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(target)) {
        plain->redo();
    }
}

bool editCanUndo(QWidget* target) {
    if (auto* line = qobject_cast<QLineEdit*>(target)) return line->isUndoAvailable();
    if (auto* plain = qobject_cast<QPlainTextEdit*>(target)) return plain->document()->isUndoAvailable();
    return false;
}

bool editCanRedo(QWidget* target) {
    if (auto* line = qobject_cast<QLineEdit*>(target)) return line->isRedoAvailable();
    if (auto* plain = qobject_cast<QPlainTextEdit*>(target)) return plain->document()->isRedoAvailable();
    return false;
}

void editClear(QWidget* target) {
    if (auto* line = qobject_cast<QLineEdit*>(target)) {
        line->clear();
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(target)) {
        plain->clear();
    }
}

void editSelectAll(QWidget* target) {
    if (auto* line = qobject_cast<QLineEdit*>(target)) {
        line->setSelection(0, std::min(kSelectAllLength, static_cast<int>(line->text().size())));
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(target)) {
        QTextCursor cursor = plain->textCursor();
        cursor.setPosition(0);
        cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        if (cursor.position() > kSelectAllLength)
            cursor.setPosition(kSelectAllLength, QTextCursor::KeepAnchor);
        plain->setTextCursor(cursor);
    }
}

}  // namespace qbrx
