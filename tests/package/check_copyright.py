# SPDX-License-Identifier: MIT
"""The package's machine-readable copyright file against the tree and
README.TXT: every source whose notice README.TXT carries is named, every
licence a Files paragraph cites has its text, and every Files pattern still
matches a file."""
import glob
import re
import sys


def paragraphs(text):
    for block in re.split(r"\n\s*\n", text.strip()):
        fields, name = {}, None
        for line in block.splitlines():
            if line[:1] in (" ", "\t") and name:
                fields[name] += "\n" + line.strip()
            else:
                name, _, value = line.partition(":")
                fields[name] = value.strip()
        yield fields


def main(copyright_file, readme, root):
    with open(copyright_file, encoding="utf-8") as f:
        text = f.read()
    with open(readme, encoding="cp1252") as f:
        notices = f.read()
    problems = []
    flat = " ".join(text.split()).lower()

    sources = re.findall(r"^=+\n(.+)\n=+$", notices, re.M)
    sources += [" ".join(m) for m in re.findall(r"npm packages? ([\w@/.-]+) ([\d.]+\d)", notices)]
    for source in sources:
        name = re.sub(r"\s*\(.*\)\s*$", "", source).strip()
        if name.lower() not in flat:
            problems.append(f"README.TXT credits {name}; the copyright file does not")
    if len(sources) < 10:
        problems.append(f"only {len(sources)} sources found in README.TXT")

    cited, texts = set(), set()
    for fields in paragraphs(text):
        if "Files" in fields:
            cited.update(re.split(r"\s+(?:and|or)\s+", fields["License"]))
            for pattern in fields["Files"].split():
                if pattern != "*" and not glob.glob(f"{root}/{pattern}"):
                    problems.append(f"Files: {pattern} matches nothing")
        elif "License" in fields and "\n" in fields["License"]:
            texts.add(fields["License"].split("\n")[0])
    for licence in sorted(cited - texts):
        problems.append(f"licence {licence} is cited but has no text")
    for licence in sorted(texts - cited):
        problems.append(f"licence {licence} has a text but no Files paragraph cites it")

    for problem in problems:
        print(f"{copyright_file}: {problem}")
    if not problems:
        print(f"{len(sources)} sources of README.TXT named, {len(texts)} licences with their texts")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
