// SPDX-License-Identifier: GPL-3.0-or-later
// The prompter of the running program: real message boxes, input boxes,
// file dialogs and printer dialogs, and the system beep.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <string>

#include "prompter.h"

class QPrinter;
class QWidget;

namespace qbrx {

// "Data Files (*.dat)|*.dat|All Files (*.*)|*.*" becomes the list
// "Data Files (*.dat)", "All Files (*.*)": every description, in order.
QStringList qtFileFilters(const std::string& filter);
// The same joined as a Qt filter string ("A (*.x);;B (*.*)").
QString qtFileFilter(const std::string& filter);
// A message text for the screen: Windows-1252 to Unicode, and a carriage
// return (alone or before a line feed) as a line break.
QString messageText(const std::string& cp1252);

class QtPrompter final : public Prompter {
public:
    explicit QtPrompter(QWidget* parent = nullptr) : parent_(parent) {}

    // The window the dialogs belong to, and the printer that the print and
    // print setup dialogs change: given, or fetched when a dialog first
    // needs it (the program sets its printer up on first use).
    void setParentWindow(QWidget* parent) { parent_ = parent; }
    void setPrinter(QPrinter* printer) {
        printerSource_ = [printer] { return printer; };
    }
    void setPrinterSource(std::function<QPrinter*()> source) { printerSource_ = std::move(source); }

    Reply message(const MessageRequest& request) override { return choose(request, {}); }
    Reply choose(const MessageRequest& request, const std::vector<std::string>& captions) override;
    std::optional<std::string> input(const std::string& prompt, const std::string& title,
                                     const std::string& defaultText) override;
    void beep() override;
    std::optional<std::string> openFile(const FileRequest& request) override;
    std::optional<std::string> saveFile(const FileRequest& request) override;
    bool printDialog() override;
    void printSetupDialog() override;

private:
    std::optional<std::string> fileDialog(const FileRequest& request, bool save);
    QPrinter* printer();
    QWidget* parent_;
    std::function<QPrinter*()> printerSource_;
};

}  // namespace qbrx
