// SPDX-License-Identifier: GPL-3.0-or-later
// What the program says in the player's language: its own catalogue (built into it) and
// Qt's for the standard dialogs, chosen from the locale at start-up.
#pragma once

#include <QString>
#include <QTranslator>

class QLocale;

namespace kestro {

// Loaded before the application exists, so that even what is said before it is (the line
// said when there is no display) is translated.
class Translations {
  public:
    Translations();
    // Qt asks the last installed first: the program's own wording wins.
    void install();
    // For texts said before the application exists, when nothing is installed yet.
    QString text(const char* context, const char* source) const;

  private:
    bool loadQt(const QLocale& language);

    QTranslator own_, qt_;
};

}  // namespace kestro
