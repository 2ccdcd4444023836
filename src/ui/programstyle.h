// SPDX-License-Identifier: GPL-3.0-or-later
// The program's style: the platform's own, except that the menu bar's
// overflow arrow is looked up only when it is first drawn. Qt asks for that
// icon whenever a menu bar is built, and finding it goes through the icon
// theme and decodes pictures, a good share of the time the main window took
// to appear; the arrow is drawn only when the window is too narrow for its
// menus.
#pragma once

#include <QProxyStyle>

namespace qbrx {

class ProgramStyle : public QProxyStyle {
    Q_OBJECT
public:
    ProgramStyle();
    QIcon standardIcon(StandardPixmap which, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

}  // namespace qbrx
