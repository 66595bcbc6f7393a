#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Checks the built help collections against their projects: every topic of
each language's contents is a page with its title, every keyword leads to its
page, the collection names its help file beside it, and the languages have
the same topics.
    check-help-collections.py SOURCE_DIR LANGUAGE=BUILT_DIR ..."""
import sqlite3
import sys
import xml.etree.ElementTree as ElementTree

source, problems, topics = sys.argv[1], [], {}
for pair in sys.argv[2:]:
    language, built = pair.split("=", 1)
    project = ElementTree.parse(f"{source}/{language}/rollwright.qhp")
    with sqlite3.connect(f"file:{built}/Rollwright.hlp?mode=ro", uri=True) as collection:
        registered = [path for (path,) in collection.execute("SELECT FilePath FROM NamespaceTable")]
    if registered != ["rollwright.qch"]:
        problems.append(f"{language}: the collection registers {registered}")
    with sqlite3.connect(f"file:{built}/rollwright.qch?mode=ro", uri=True) as help:
        pages = dict(help.execute("SELECT Name, Title FROM FileNameTable"))
        keywords = set(help.execute(
            "SELECT i.Name, f.Name FROM IndexTable i JOIN FileNameTable f ON f.FileId = i.FileId"))
    topics[language] = {section.get("ref") for section in project.iter("section")}
    for section in project.iter("section"):
        if pages.get(section.get("ref")) != section.get("title"):
            problems.append(f"{language}: topic {section.get('ref')} is not \"{section.get('title')}\"")
    for keyword in project.iter("keyword"):
        if (keyword.get("name"), keyword.get("ref")) not in keywords:
            problems.append(f"{language}: keyword \"{keyword.get('name')}\" does not lead to {keyword.get('ref')}")
    print(f"{language}: {len(topics[language])} topics, {len(keywords)} keywords")
if len({frozenset(pages) for pages in topics.values()}) != 1:
    problems.append(f"the languages' topics differ: {topics}")
print("\n".join(f"FAIL: {problem}" for problem in problems) or "every topic and keyword is in its collection")
sys.exit(1 if problems else 0)
