// SPDX-License-Identifier: GPL-3.0-or-later
// The help window: the topic titles in a list, the selected topic's text
// beside it. Modeless; created on its first showing and destroyed when the
// user closes it.
#pragma once

#include <QWidget>

class QListWidget;
class QTextBrowser;

namespace qbrx {

// The first row of the topic list: the titles of all topics, as links.
inline constexpr const char* kContentsTitle = "Contents";

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Moves the window beside the main window: 200 twips right of its left
    // edge and 1,010 twips below its top edge.
    void placeBeside(const QWidget* mainWindow);

    // The open help window, or nullptr when it is not loaded.
    static HelpWindow* instance();

    // Row 0 is the contents; row n shows topic n.
    QListWidget* lstHelp;
    QTextBrowser* txtHelp;

private:
    void showTopic(int row);
};

// The Help Topics command: loads the help window if needed (open on its
// contents), places it beside the main window and shows it, keeping the
// selected topic while it stays open.
HelpWindow* showHelp(QWidget* mainWindow);

}  // namespace qbrx
