// SPDX-License-Identifier: GPL-3.0-or-later
#include "qtprompter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <vector>

#include "document.h"
#include "qttext.h"

namespace qbrx {

namespace {

QString titleOf(const std::optional<std::string>& title) {
    return title ? screenText(*title) : QString::fromLatin1(kProgramName);
}

// The printer the dialogs change when the program has not handed one over.
QPrinter& fallbackPrinter() {
    static QPrinter printer(QPrinter::HighResolution);
    return printer;
}

}  // namespace

QStringList qtFileFilters(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
    QStringList result;
    // Descriptions and patterns alternate; the descriptions carry the
    // patterns in brackets, which is all a Qt filter needs.
    for (qsizetype i = 0; i < parts.size(); i += 2) result << parts[i];
    return result;
}

QString qtFileFilter(const std::string& filter) { return qtFileFilters(filter).join(QStringLiteral(";;")); }

QString messageText(const std::string& cp1252) {
    QString text = screenText(cp1252);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

Reply QtPrompter::choose(const MessageRequest& request, const std::vector<std::string>& captions) {
    QMessageBox box(parent_);
    box.setWindowTitle(titleOf(request.title));
    box.setText(messageText(request.text));
    switch (request.icon) {
        case Icon::None:
            box.setIcon(QMessageBox::NoIcon);
            break;
        case Icon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case Icon::Exclamation:
            box.setIcon(QMessageBox::Warning);
            break;
        case Icon::Question:
            box.setIcon(QMessageBox::Question);
            break;
        case Icon::Critical:
            box.setIcon(QMessageBox::Critical);
            break;
    }
    std::vector<std::pair<QMessageBox::StandardButton, Reply>> buttons;
    switch (request.buttons) {
        case Buttons::Ok:
            buttons = {{QMessageBox::Ok, Reply::Ok}};
            break;
        case Buttons::OkCancel:
            buttons = {{QMessageBox::Ok, Reply::Ok}, {QMessageBox::Cancel, Reply::Cancel}};
            break;
        case Buttons::YesNo:
            buttons = {{QMessageBox::Yes, Reply::Yes}, {QMessageBox::No, Reply::No}};
            break;
        case Buttons::YesNoCancel:
            buttons = {{QMessageBox::Yes, Reply::Yes},
                       {QMessageBox::No, Reply::No},
                       {QMessageBox::Cancel, Reply::Cancel}};
            break;
    }
    QMessageBox::StandardButtons set;
    for (const auto& b : buttons) set |= b.first;
    box.setStandardButtons(set);
    for (std::size_t i = 0; i < captions.size() && i < buttons.size(); ++i)
        box.button(buttons[i].first)->setText(screenText(captions[i]));
    const std::size_t def = request.defaultButton >= 0 ? static_cast<std::size_t>(request.defaultButton) : 0;
    box.setDefaultButton(buttons[def < buttons.size() ? def : 0].first);
    const auto pressed = static_cast<QMessageBox::StandardButton>(box.exec());
    for (const auto& b : buttons)
        if (b.first == pressed) return b.second;
    // Closed without a button (Escape or the close box): the box's way out.
    if (set & QMessageBox::Cancel) return Reply::Cancel;
    if (set & QMessageBox::No) return Reply::No;
    return Reply::Ok;
}

std::optional<std::string> QtPrompter::input(const std::string& prompt, const std::string& title,
                                             const std::string& defaultText) {
    bool ok = false;
    const QString text = QInputDialog::getText(parent_, titleOf(title), messageText(prompt),
                                               QLineEdit::Normal, screenText(defaultText), &ok);
    if (!ok) return std::nullopt;
    return documentText(text);
}

void QtPrompter::beep() { QApplication::beep(); }

std::optional<std::string> QtPrompter::openFile(const FileRequest& request) {
    return fileDialog(request, false);
}

std::optional<std::string> QtPrompter::saveFile(const FileRequest& request) {
    return fileDialog(request, true);
}

std::optional<std::string> QtPrompter::fileDialog(const FileRequest& request, bool save) {
    const QString title = !request.title.empty() ? QString::fromStdString(request.title)
                          : save                 ? QStringLiteral("Save As")
                                                 : QStringLiteral("Open");
    QFileDialog dialog(parent_, title);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    const QStringList filters = qtFileFilters(request.filter);
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
        dialog.selectNameFilter(filters[request.filterIndex - 1]);
    if (!request.initialName.empty()) {
        const QFileInfo initial(QString::fromStdString(request.initialName));
        if (!initial.path().isEmpty() && initial.path() != QStringLiteral("."))
            dialog.setDirectory(initial.path());
        dialog.selectFile(initial.fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    QString chosen = dialog.selectedFiles().constFirst();
    // A name typed without an extension takes the chosen filter's, so that
    // the filter picks the format ("week" under ipuz Files is week.ipuz).
    if (save && QFileInfo(chosen).suffix().isEmpty()) {
        const QString filter = dialog.selectedNameFilter();
        const qsizetype star = filter.indexOf(QStringLiteral("(*."));
        const qsizetype close = filter.indexOf(')', star);
        const QString extension =
            star >= 0 && close > star ? filter.mid(star + 3, close - star - 3) : QString();
        if (!extension.isEmpty() && !extension.contains('*') && !extension.contains(' '))
            chosen += '.' + extension;
    }
    return chosen.toStdString();
}

QPrinter* QtPrompter::printer() {
    QPrinter* given = printerSource_ ? printerSource_() : nullptr;
    return given ? given : &fallbackPrinter();
}

bool QtPrompter::printDialog() {
    QPrintDialog dialog(printer(), parent_);
    return dialog.exec() == QDialog::Accepted;
}

void QtPrompter::printSetupDialog() {
    QPageSetupDialog dialog(printer(), parent_);
    dialog.exec();
}

}  // namespace qbrx
