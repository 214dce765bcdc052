// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's icon and the tool-bar pictures, drawn at run time so that no
// picture files have to be shipped.
#include <QIcon>

namespace AppIcons {

QIcon Program();
QIcon FileNew();
QIcon FileOpen();
QIcon FileSave();
QIcon ReadConfiguration();
QIcon SendConfiguration();
QIcon Help();

} // namespace AppIcons
