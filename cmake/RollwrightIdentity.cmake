# SPDX-License-Identifier: MIT
# Who and what the program is: the one place each of these texts is written.
# The version and the project's description are the project()'s. Everything
# that shows them (the About window, the Windows version record, the desktop
# entry, the AppStream metainfo, the Debian package, the manual pages, the
# read-me, the help) is generated from these.

set(ROLLWRIGHT_TITLE "Rollwright")
set(ROLLWRIGHT_APP_ID "io.github.rollwright.Rollwright")
set(ROLLWRIGHT_VENDOR "Rollwright developers")
set(ROLLWRIGHT_EMAIL "rollwright@example.org")
set(ROLLWRIGHT_COPYRIGHT "Copyright (c) 2026 ${ROLLWRIGHT_VENDOR}")
set(ROLLWRIGHT_HOMEPAGE "${PROJECT_HOMEPAGE_URL}")

# In a line, for menus, software centres and package lists.
set(ROLLWRIGHT_SUMMARY "Roll the dice used in role-playing games")
# In a paragraph, after the project's description; lines fit a package list.
string(JOIN "\n" ROLLWRIGHT_LONG_DESCRIPTION
    "Pick a die type (2- to 30-sided, percentile, or a custom die with a lower"
    "and an upper limit up to 1000), the number of dice and the modifiers for"
    "every die and for the total, and roll. ${ROLLWRIGHT_TITLE} shows every die as it"
    "fell, every die with its modifier, and the total. Help in English and"
    "German, shown by Qt Assistant, and a read-me come with it.")

# The same in German, for the desktop entry and the AppStream metainfo.
set(ROLLWRIGHT_SUMMARY_DE "Würfeln mit den Würfeln der Rollenspiele")
set(ROLLWRIGHT_DESCRIPTION_DE "Würfelprogramm für die Würfel, die im Rollenspiel üblich sind.")
string(JOIN "\n" ROLLWRIGHT_LONG_DESCRIPTION_DE
    "Wählen Sie einen Würfeltyp (2- bis 30-seitig, Prozentwürfel oder ein eigener"
    "Würfel mit Unter- und Obergrenze bis 1000), die Anzahl der Würfel und die"
    "Modifikatoren für jeden Würfel und für die Summe, und würfeln Sie. ${ROLLWRIGHT_TITLE}"
    "zeigt jeden Würfel, wie er fiel, jeden Würfel mit seinem Modifikator und die"
    "Summe. Eine Hilfe auf Deutsch und Englisch, die Qt Assistant zeigt, und"
    "eine Lies-mich-Datei gehören dazu.")

# The Windows version record's own texts.
set(ROLLWRIGHT_FILE_DESCRIPTION "Random dice roll generator.")
set(ROLLWRIGHT_COMMENTS "Revision to version 1.25, completed 11 April 1999.")

# Manual pages and package lists start the line in lower case.
string(SUBSTRING "${ROLLWRIGHT_SUMMARY}" 0 1 first)
string(SUBSTRING "${ROLLWRIGHT_SUMMARY}" 1 -1 rest)
string(TOLOWER "${first}" first)
set(ROLLWRIGHT_SUMMARY_LOWER "${first}${rest}")
unset(first)
unset(rest)
