// SPDX-License-Identifier: GPL-3.0-or-later
// Who made the channel pack and where to find the game, shown in the credits box.
#pragma once

#include <QString>

namespace kestro::credits {

inline const QString kAuthor = QStringLiteral("Lucas Ferrer");
inline const QString kEmail = QStringLiteral("lucas.ferrer@kestro.example");
inline const QString kNotice = QStringLiteral("Fan-made channel graphics for VARNEX 2001");
inline const QString kOfficialSite = QStringLiteral("varnex.example");
inline const QString kFanSite = QStringLiteral("futbol-pc.example");

}  // namespace kestro::credits
