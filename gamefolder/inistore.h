// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file's plain INI text: "[GENERAL]" written as it stands (where Qt's own
// INI writer would turn a group spelt "general" into "[%General]", which a player opening
// the file by hand would not recognise), and read back with sections and keys in upper
// case, since the store compares names without regard to letter case.
#pragma once

#include <QSettings>

namespace kestro {

bool readIni(QIODevice& device, QSettings::SettingsMap& map);
bool writeIni(QIODevice& device, const QSettings::SettingsMap& map);

}  // namespace kestro
