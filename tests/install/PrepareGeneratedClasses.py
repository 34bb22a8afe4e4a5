#!/usr/bin/env python3
"""Puts the classes a user's program is made of into its source folder: the
class generator writes a component, a property set, a command and a data
model, and the places its templates leave open are filled in as a user
would (the fill-ins of the compile test, and a command body that puts its
component on the page and takes it off again).

usage: PrepareGeneratedClasses.py <generator-program> <scratch-dir> <source-dir>
"""
import pathlib
import re
import shutil
import subprocess
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1] / "kilnsmith" / "generator"))
from compile_generated import EMPTY_HEADERS, fill_in  # noqa: E402  (shared with the compile test)

KINDS = ["ports_component", "property_set", "single_command", "data_model"]

# The user's command: toggles its component's place on the page, so that
# running its copy again (its undo) reverses it.
COMMAND_BODY = (
    re.compile(r"(BOOL CMySubCommand1::Execute\(\)\n\{\n\tASSERT_VALID\(m_pComp\);\n\t//TODO:Add your code below.\n)"),
    r"\1\tif (m_pModel->GetComponents().Find(m_pComp) == NULL)\n"
    r"\t\treturn m_pModel->InsertComponent(m_pComp);\n"
    r"\treturn m_pModel->RemoveComponent(m_pComp);\n",
)

STDAFX = """#pragma once
#include "framework/window/CmdTarget.h"
#include "library/model/QYCommand.h"
#include "library/model/QYCommandMacro.h"
#include "library/model/QYCompTypes.h"
#include "library/model/QYDataModel.h"
#include "library/model/QYDrawComponent.h"
#include "library/model/QYDrawPortsComponent.h"

#include "framework/base/Base.h"
"""


def main():
    program, scratch, source = sys.argv[1], pathlib.Path(sys.argv[2]), pathlib.Path(sys.argv[3])
    shutil.rmtree(scratch, ignore_errors=True)
    result = subprocess.run([program, str(scratch)], capture_output=True, text=True)
    if result.returncode != 0:
        print(f"the generator failed:\n{result.stderr}")
        return 1
    source.mkdir(parents=True, exist_ok=True)
    (source / "stdafx.h").write_text(STDAFX)
    for name in EMPTY_HEADERS:
        (source / name).write_text("#pragma once\n")
    for kind in KINDS:
        for path in sorted((scratch / kind).iterdir()):
            text = fill_in(path.read_text())
            if path.name == "MySubCommand1.cpp":
                text, count = COMMAND_BODY[0].subn(COMMAND_BODY[1], text)
                if count != 1:
                    print("the command's body has no place to fill in")
                    return 1
            (source / path.name).write_text(text)
    return 0


if __name__ == "__main__":
    sys.exit(main())
