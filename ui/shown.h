// SPDX-License-Identifier: GPL-3.0-or-later
// Texts that come from the disk or from other programs' files (names, paths) as they are
// shown to the player.
#pragma once

#include <QString>

namespace kestro {

// Every character that shows nothing, or moves or breaks the text around it (a control
// character, a bidi mark, a line separator), written out as <U+XXXX>: so no name can pass
// for other text, colour a terminal or start a line of its own.
// With `formatToo` false, only what breaks a line or drives a terminal: a script reading
// folders a line at a time then gets them as they are (a joiner in a Persian name, say).
QString visible(const QString& text, bool formatToo = true);

// A tooltip that shows `text` as it is: Qt would read one that looks like markup as such.
QString plainToolTip(const QString& text);

// Every character beyond printable ASCII written out as <U+XXXX>: two spellings of one
// name that look alike are told apart.
QString spelledOut(const QString& text);

}  // namespace kestro
