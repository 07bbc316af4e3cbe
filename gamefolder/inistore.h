// SPDX-License-Identifier: GPL-3.0-or-later
// A plain INI format for QSettings that writes "[GENERAL]" as it stands. Qt's own
// INI writer turns any group spelt "general" into "[%General]", which a player
// opening the file by hand would not recognise.
#pragma once

#include <QSettings>

namespace kestro {

// The registered format; sections and keys read back in upper case, since the
// store compares names without regard to letter case.
QSettings::Format iniFormat();

// The parser and writer behind it, for tests.
bool readIni(QIODevice& device, QSettings::SettingsMap& map);
bool writeIni(QIODevice& device, const QSettings::SettingsMap& map);

}  // namespace kestro
