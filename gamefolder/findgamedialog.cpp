// SPDX-License-Identifier: GPL-3.0-or-later
#include "findgamedialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <filesystem>

#include "files.h"
#include "modal.h"
#include "paths.h"
#include "shown.h"

namespace kestro {
namespace {

// Asked for when shown, not at start-up: by then the player's language is loaded.
QString title() {
    return FindGameDialog::tr("Find Game Folder");
}
constexpr int kPlacesNamed = 4;  // the rest are in the line's tooltip

QString text(const std::string& s) {
    return visible(QString::fromStdString(s));
}

template <typename T>
QStringList texts(const std::vector<T>& items, QString (*shown)(const T&)) {
    QStringList list;
    for (const T& item : items) list << shown(item);
    return list;
}

// Whether a found folder is the one in use: the same text, or the same folder once
// resolved (its Windows and its Linux path, or letter case aside).
bool inUse(const std::string& found, const QString& stored) {
    if (stored.isEmpty()) return false;
    if (found == stored.toStdString()) return true;
    const Result<std::filesystem::path> a = resolvePath(found),
                                        b = resolvePath(stored.toStdString());
    std::error_code ec;
    return a.ok() && b.ok() && std::filesystem::equivalent(a.value, b.value, ec);
}

QString whereItLooked(const SearchReport& report) {
    const QStringList places = texts(report.looked, placeText);
    QString line;
    if (places.isEmpty()) {
        line = FindGameDialog::tr(
            "None of the places where the game is usually installed is "
            "on this computer.");
    } else {
        QString named = places.mid(0, kPlacesNamed).join(QStringLiteral(", "));
        if (places.size() > kPlacesNamed)
            named = FindGameDialog::tr("%1 and %2 more")
                        .arg(named, QLocale().toString(places.size() - kPlacesNamed));
        line = FindGameDialog::tr("Looked in %1 (%2 folders).")
                   .arg(named, QLocale().toString(qulonglong(report.folders)));
    }
    if (report.stoppedEarly)
        line +=
            u' ' + FindGameDialog::tr("The search stopped early: some places were not searched.");
    QStringList unread;  // a game that cannot be stored was read: it has a sentence of its own
    for (const Unread& u : report.skipped) {
        if (u.why == Unread::Why::Unstorable)
            line += u' ' + unreadText(u) + u'.';
        else
            unread << unreadText(u);
    }
    if (!unread.empty())
        line +=
            u' ' + FindGameDialog::tr("Could not read %1.").arg(unread.join(QStringLiteral("; ")));
    return line;
}

}  // namespace

QString placeText(const Place& place) {
    const QString where = text(place.where);
    switch (place.kind) {
        case Place::Kind::WinePrefix:
            return FindGameDialog::tr("Wine prefix %1").arg(where);
        case Place::Kind::LutrisPrefix:
            return FindGameDialog::tr("Lutris prefix %1").arg(where);
        case Place::Kind::BottlesBottle:
            return FindGameDialog::tr("Bottles bottle %1").arg(where);
        case Place::Kind::PlayOnLinuxPrefix:
            return FindGameDialog::tr("PlayOnLinux prefix %1").arg(where);
        case Place::Kind::CrossOverBottle:
            return FindGameDialog::tr("CrossOver bottle %1").arg(where);
        case Place::Kind::Steam:
            return FindGameDialog::tr("Steam (compatdata %1)").arg(where);
        case Place::Kind::Registry:
            return FindGameDialog::tr("registry");
        case Place::Kind::Drive:
            return FindGameDialog::tr("drive %1").arg(where);
        case Place::Kind::Folder:
            break;
    }
    return where;
}

QString unreadText(const Unread& unread) {
    const QString where = text(unread.where);
    switch (unread.why) {
        case Unread::Why::Link:
            return FindGameDialog::tr("%1: a link, not followed").arg(where);
        case Unread::Why::Denied:
            return FindGameDialog::tr("%1: permission denied").arg(where);
        case Unread::Why::NotAFile:
            return FindGameDialog::tr("%1: not a plain file").arg(where);
        case Unread::Why::TooLarge:
            return FindGameDialog::tr("%1: too large").arg(where);
        case Unread::Why::Missing:
            return FindGameDialog::tr("%1: no such folder").arg(where);
        case Unread::Why::NotAFolder:
            return FindGameDialog::tr("%1: not a folder").arg(where);
        case Unread::Why::Unstorable:
            return FindGameDialog::tr(
                       "%1: the game is here, but its path holds a name that cannot be stored; "
                       "rename that folder")
                .arg(where);
        case Unread::Why::Unreadable:
            break;
    }
    return FindGameDialog::tr("%1: cannot be read").arg(where);
}

FindGameDialog::FindGameDialog(const SearchReport& report, const QString& stored, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("FindGameDialog"));
    setWindowTitle(title());
    auto* intro = new QLabel(!report.found.empty() ? tr("VARNEX 2001 was found in:")
                             : report.sawUnusable()
                                 ? tr("VARNEX 2001 was found, but cannot be used where it is.")
                                 : tr("VARNEX 2001 was not found."));
    found_ = new QTreeWidget;
    found_->setObjectName(QStringLiteral("found"));
    found_->setAccessibleName(tr("Game folders found"));
    found_->setHeaderLabels({tr("Folder"), tr("Found in")});
    found_->setRootIsDecorated(false);
    found_->header()->setStretchLastSection(false);  // the folder takes the room, not the place
    found_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    found_->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    found_->setMinimumWidth(560);
    found_->setTextElideMode(Qt::ElideMiddle);  // a long path keeps its start and its end
    for (const FoundGame& game : report.found) {
        auto* item = new QTreeWidgetItem(found_, {text(game.folder), placeText(game.place)});
        item->setToolTip(0, plainToolTip(item->text(0)));
        item->setData(0, Qt::UserRole, QString::fromStdString(game.folder));  // as it is
        if (inUse(game.folder, stored)) {
            item->setText(1, tr("%1 (in use)").arg(item->text(1)));
            QFont bold = item->font(0);
            bold.setBold(true);
            for (int column : {0, 1}) item->setFont(column, bold);
            found_->setCurrentItem(item);
        }
    }
    if (!found_->currentItem() && found_->topLevelItemCount() > 0)
        found_->setCurrentItem(found_->topLevelItem(0));
    auto* looked = new QLabel(whereItLooked(report));
    looked->setTextFormat(Qt::PlainText);  // places' names are text, never markup
    looked->setObjectName(QStringLiteral("looked"));
    looked->setWordWrap(true);
    looked->setToolTip(texts(report.looked, placeText).join(u'\n'));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setEnabled(found_->currentItem() != nullptr);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(found_);
    layout->addWidget(looked);
    layout->addWidget(buttons);
    connect(found_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { ok_->setEnabled(current != nullptr); });
    connect(found_, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QString FindGameDialog::chosenFolder() const {
    const QTreeWidgetItem* item = found_->currentItem();
    return item ? item->data(0, Qt::UserRole).toString() : QString();
}

std::optional<QString> askToUseFoundGame(QWidget* parent, const SearchReport& report) {
    if (report.found.empty() && report.sawUnusable()) {  // said before the folder is asked for
        QStringList where;
        for (const Unread& u : report.skipped)
            if (u.why == Unread::Why::Unstorable) where << unreadText(u);
        messageBox(parent, title(),
                   FindGameDialog::tr("VARNEX 2001 was found, but cannot be used where it is.") +
                       QStringLiteral("\n\n") + where.join(u'\n'),
                   QMessageBox::Warning);
    }
    if (report.found.size() != 1) return std::nullopt;
    const std::string& folder = report.found.front().folder;  // shown with care, taken as it is
    if (!askYesNo(parent, title(),
                  FindGameDialog::tr("VARNEX 2001 was found in \"%1\". Use this folder?")
                      .arg(text(folder))))
        return std::nullopt;
    return QString::fromStdString(folder);
}

}  // namespace kestro
