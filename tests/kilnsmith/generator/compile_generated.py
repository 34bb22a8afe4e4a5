#!/usr/bin/env python3
"""Compiles the class generator's output against the library's headers.

For each generated kind whose base classes the library has, the header and
source pair is copied into a scratch folder, the places the templates leave
to the user are filled in as a user would (a type code, a command id, a
description), a project header "stdafx.h" that includes the library is
written next to them, and the source is compiled syntax-only.

usage: compile_generated.py <generated-files-dir> <scratch-dir> <compiler>
                            <flag>...
       compile_generated.py --generate <generator-program> <scratch-dir>
                            <compiler> <flag>...

With --generate, the generator program first writes fresh output of every
kind into <scratch-dir>/fresh, and that output is compiled.
"""
import pathlib
import re
import shutil
import subprocess
import sys

# The project header a user's program keeps next to the generated files.
STDAFX = """#pragma once
#include "framework/app/MessageBoxes.h"
#include "framework/window/CmdTarget.h"
#include "library/model/QYCommand.h"
#include "library/model/QYCommandMacro.h"
#include "library/model/QYCompCommandBases.h"
#include "library/model/QYCompTypes.h"
#include "library/model/QYDataModel.h"
#include "library/model/QYDrawComponent.h"
#include "library/model/QYDrawPortsComponent.h"

#include "framework/base/Base.h"

#include <math.h>
"""

# An empty stand-in for the old platform's private header that one template
# includes; the framework headers above already declare what it gave.
EMPTY_HEADERS = ["afxpriv.h"]

# What a user writes where a template leaves a place to fill in.
FILL_INS = [
    (re.compile(r"SetType\(Your own ID\)"), "SetType(101)"),
    (re.compile(r"//COMMAND_[A-Z_]+/\*change this\*/"), "QY_CMD_MACRO"),
    (re.compile(r"//COMMAND_[A-Z_]+\)/\*Change ThisCommand ID\*/"), "QY_CMD_MOVECOMPS)"),
    # The macro template sets a size mode its header leaves to the user.
    (re.compile(r"\t// QYDO: Add your code below.\n"),
     "\tenum { SizeNone, SizeWidth, SizeHeight, SizeBoth };\n\tint m_nSizement;\n"),
    (re.compile(r"strLabel = //_T\((\"[^\"]*\")\);"), r"strLabel = \1;"),
]

# Generated kinds whose base classes the library offers.  Left out until
# their bases come: draw_component and hyperlink_component (they call the
# base's OnCustomProperties property-dialog hook), toolbox_item (the toolbox
# item), plain_class (a base named by the user).  Left out for good:
# sub_form_model, multi_page_model, document, multi_page_document,
# content_view and base_view, which derive from or rely on classes the
# library does not provide (CQYSubFormModel, CQYMultiPageModel, CQYDoc,
# CQYContentView).
KINDS = [
    "ports_component",
    "property_set",
    "single_command",
    "list_command",
    "macro_command",
    "data_model",
    "line_end",
]


def fill_in(text):
    for pattern, replacement in FILL_INS:
        text = pattern.sub(replacement, text)
    return text


def main():
    args = sys.argv[1:]
    program = None
    if args and args[0] == "--generate":
        # The fresh output takes the place of the stored files' folder.
        program, args = args[1], [None] + args[2:]
    scratch, compiler, flags = pathlib.Path(args[1]), args[2], args[3:]
    generated = pathlib.Path(args[0]) if program is None else scratch / "fresh"
    if program is not None:
        shutil.rmtree(generated, ignore_errors=True)
        result = subprocess.run([program, str(generated)], capture_output=True, text=True)
        if result.returncode != 0:
            print(f"the generator failed:\n{result.stderr}")
            return 1
    failures = []
    for kind in KINDS:
        folder = scratch / kind
        shutil.rmtree(folder, ignore_errors=True)
        folder.mkdir(parents=True)
        (folder / "stdafx.h").write_text(STDAFX)
        for name in EMPTY_HEADERS:
            (folder / name).write_text("#pragma once\n")
        sources = []
        for path in sorted((generated / kind).iterdir()):
            (folder / path.name).write_text(fill_in(path.read_text()))
            if path.suffix == ".cpp":
                sources.append(folder / path.name)
        for source in sources:
            command = [compiler, "-fsyntax-only", "-I", str(folder), *flags, str(source)]
            result = subprocess.run(command, capture_output=True, text=True)
            if result.returncode != 0:
                failures.append(kind)
                print(f"{kind}: {source.name} does not compile:\n{result.stderr}")
            else:
                print(f"{kind}: {source.name} compiles")
    if failures:
        print("failed kinds: " + ", ".join(failures))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
