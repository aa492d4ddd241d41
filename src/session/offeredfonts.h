#pragma once
// The fonts the teacher chose to offer besides "Arial" and "Verdana". The
// font selection window keeps the list's rules (at most 18, sorted, no
// duplicates, never the two fixed fonts); everyone else only reads it.
//
// The rules live here, free of any window, so that the settings reading and
// the window's ">>" button cannot disagree about them.
#include <QString>
#include <QStringList>

#include <algorithm>

namespace session {

struct OfferedFonts {
    static constexpr qsizetype maxCount = 18;

    QStringList names;

    // What an attempt to add a font came to. The window shows the
    // "full" message for AddedNowFull and AlreadyFull alike.
    enum class AddResult {
        Added,        // taken, room is left
        AddedNowFull, // taken as the last one that fits
        AlreadyFull,  // not taken: the list holds maxCount fonts already
        Refused,      // not taken: empty, a fixed font, or offered already
    };

    // What a window's FontList shows: the two fixed fonts, then the offered
    // ones in their order.
    QStringList fontListEntries() const
    {
        return QStringList{QStringLiteral("Arial"), QStringLiteral("Verdana")} + names;
    }

    // The two fonts every font list holds anyway.
    static bool isFixedFont(const QString &name)
    {
        return name == QLatin1String("Arial") || name == QLatin1String("Verdana");
    }

    // Alphabetical without regard to case; names that differ only in case
    // keep a fixed order so that the list does not depend on input order.
    static bool sortsBefore(const QString &a, const QString &b)
    {
        const int c = QString::compare(a, b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : QString::compare(a, b, Qt::CaseSensitive) < 0;
    }

    bool isFull() const { return names.size() >= maxCount; }

    // Refusals are checked before fullness, so a fixed or already offered
    // font never triggers the "full" message.
    AddResult add(const QString &name)
    {
        if (name.isEmpty() || isFixedFont(name) || names.contains(name))
            return AddResult::Refused;
        if (isFull())
            return AddResult::AlreadyFull;
        names.insert(std::upper_bound(names.cbegin(), names.cend(), name, sortsBefore), name);
        return isFull() ? AddResult::AddedNowFull : AddResult::Added;
    }

    // Returns whether the name was offered.
    bool remove(const QString &name) { return names.removeOne(name); }

    void clear() { names.clear(); }
};

} // namespace session
