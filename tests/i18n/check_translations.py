#!/usr/bin/python3
"""Checks the translation files in i18n/ against the sources and against each other.

Usage: check_translations.py BUILD_DIR SOURCE_DIR LUPDATE PROJECT_SCRIPT [LUPDATE_OPTION...]
(PROJECT_SCRIPT: Qt's GenerateLUpdateProject.cmake, which writes the build's lupdate project)

- up to date: lupdate, run as the build runs it (the build's own lupdate project, the same
  options), over copies of every .ts changes none of them;
- placeholders: every translation, each plural form too, holds the same %1..%99, %L1 and %n as
  its source, and as many "&" accelerators where the source has any;
- finished: every language but English has no unfinished or empty translation;
- languages: TARVELLE_LANGUAGES in CMakeLists.txt, the build's lupdate project and the .ts files
  in i18n/ name the same languages.
Prints one line per failure and exits 1 if there is any.
"""

import collections
import glob
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%L?[1-9][0-9]?|%n")
# Languages whose first plural form is for the number one alone, so that it may say "once" without
# %n; in French it is also the form for zero, and in Russian for 21.
FIRST_FORM_IS_ONE = {"en", "de", "es"}
SHOWN_AT_MOST = 15


def messages(path):
    """{(context, source, comment): (numerus, type, [translations])} of a .ts file."""
    found = {}
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name", "")
        for message in context.iter("message"):
            translation = message.find("translation")
            forms = translation.findall("numerusform")
            texts = [f.text or "" for f in forms] if forms else [translation.text or ""]
            key = (name, message.findtext("source", ""), message.findtext("comment", ""))
            found[key] = (message.get("numerus") == "yes", translation.get("type", ""), texts)
    return found


def named(key):
    context, source, comment = key
    source = source.replace("\n", "\\n")
    shown = source if len(source) <= 60 else source[:57] + "..."
    return f"{context}: \"{shown}\"" + (f" ({comment})" if comment else "")


def accelerators(text):
    """The "&" that underline a letter; "&&" is a literal ampersand."""
    return len(re.findall(r"&[^&\s]", text.replace("&&", "")))


def language_of(path):
    return re.fullmatch(r"tarvelle_(.+)\.ts", os.path.basename(path)).group(1)


def check_up_to_date(build_dir, ts_files, lupdate, project_script, options, fail):
    projects = glob.glob(os.path.join(build_dir, ".lupdate", "tarvelle_app_project*.cmake"))
    if not projects:
        fail(f"no lupdate project under {build_dir}/.lupdate: is the build configured?")
        return None
    with tempfile.TemporaryDirectory(prefix="tarvelle-ts-") as work:
        project_json = os.path.join(work, "project.json")
        subprocess.run(["cmake", f"-DIN_FILE={projects[0]}", f"-DOUT_FILE={project_json}",
                        "-P", project_script], check=True)
        with open(project_json, encoding="utf-8") as f:
            project = json.load(f)
        copies = {}
        for original in ts_files:
            copy = os.path.join(work, os.path.basename(original))
            shutil.copyfile(original, copy)
            copies[copy] = original
        built_ts = {os.path.realpath(p) for p in project["translations"]}
        project["translations"] = list(copies)
        with open(project_json, "w", encoding="utf-8") as f:
            json.dump(project, f)
        subprocess.run([lupdate, "-project", project_json, *options], check=True,
                       stdout=subprocess.DEVNULL)
        for copy, original in copies.items():
            with open(copy, "rb") as a, open(original, "rb") as b:
                if a.read() == b.read():
                    continue
            before, after = messages(original), messages(copy)
            what = os.path.relpath(original)
            added = [k for k in after if k not in before]
            gone = [k for k in before if k not in after]
            changed = [k for k in after if k in before and after[k] != before[k]]
            for label, keys in (("new in the sources", added), ("gone from the sources", gone),
                                ("changed by lupdate", changed)):
                for key in keys[:SHOWN_AT_MOST]:
                    fail(f"{what} is out of date: {label}: {named(key)}")
                if len(keys) > SHOWN_AT_MOST:
                    fail(f"{what} is out of date: {len(keys) - SHOWN_AT_MOST} more {label}")
            if not added and not gone and not changed:
                fail(f"{what} is out of date: lupdate rewrites its layout")
        return built_ts


def check_texts(path, fail):
    what = os.path.relpath(path)
    language = language_of(path)
    shipped = language != "en"
    unfinished = []
    for key, (numerus, kind, texts) in messages(path).items():
        if kind in ("vanished", "obsolete"):
            continue
        if kind == "unfinished" or any(not t for t in texts):
            unfinished.append(key)
            continue
        source = key[1]
        wanted = collections.Counter(PLACEHOLDER.findall(source))
        for form, text in enumerate(texts):
            have = collections.Counter(PLACEHOLDER.findall(text))
            if numerus and form == 0 and language in FIRST_FORM_IS_ONE:
                have["%n"] = wanted["%n"]
            if have != wanted:
                fail(f"{what}: {named(key)} has placeholders {sorted(have.elements())}, "
                     f"its source {sorted(wanted.elements())}: \"{text}\"")
            if accelerators(source) and accelerators(text) != accelerators(source):
                fail(f"{what}: {named(key)} has {accelerators(text)} \"&\" accelerators, "
                     f"its source {accelerators(source)}: \"{text}\"")
    if shipped and unfinished:
        fail(f"{what}: {len(unfinished)} messages are not translated, among them:")
        for key in unfinished[:SHOWN_AT_MOST]:
            fail(f"{what}: not translated: {named(key)}")


def main():
    if len(sys.argv) < 5:
        sys.exit(__doc__)
    build_dir, source_dir, lupdate, project_script = sys.argv[1:5]
    options = sys.argv[5:]
    failures = []

    def fail(message):
        failures.append(message)
        print("FAIL " + message)

    os.chdir(source_dir)
    ts_files = sorted(glob.glob("i18n/*.ts"))
    with open("CMakeLists.txt", encoding="utf-8") as f:
        listed = re.search(r"set\(TARVELLE_LANGUAGES\s+([^)]*)\)", f.read())
    languages = set(listed.group(1).split()) if listed else set()
    on_disk = {language_of(p) for p in ts_files}
    if languages != on_disk:
        fail(f"TARVELLE_LANGUAGES in CMakeLists.txt is {sorted(languages)}, "
             f"i18n/ holds {sorted(on_disk)}")
    built_ts = check_up_to_date(build_dir, ts_files, lupdate, project_script, options, fail)
    if built_ts is not None and built_ts != {os.path.realpath(p) for p in ts_files}:
        fail(f"the build's lupdate project updates {sorted(map(os.path.relpath, built_ts))}, "
             f"i18n/ holds {ts_files}")
    for path in ts_files:
        check_texts(path, fail)
    print(f"{len(ts_files)} translation files, {len(failures)} failures")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
