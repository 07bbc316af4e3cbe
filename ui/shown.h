// SPDX-License-Identifier: GPL-3.0-or-later
// Texts that come from the disk or from other programs' files (names, paths) as they are
// shown to the player.
#pragma once

#include <QString>

namespace kestro {

// Every character that shows nothing, or moves or breaks the text around it (a control
// character, a bidi mark, a line separator), written out as <U+XXXX>: so no name can pass
// for other text, colour a terminal or start a line of its own.
QString visible(const QString& text);

}  // namespace kestro
