#!/usr/bin/env python3
"""Take the code generator's template texts out of the design text.

Usage: extract_templates.py DESIGN_TEXT [OUTPUT_FOLDER]

The design text is a Markdown file whose sections ("# <number>: <title>")
give the generated files as fenced ```text blocks, each introduced by a
caption paragraph.  Every block named in TEMPLATES below is written, byte for
byte (tabs, tab-only lines and trailing blanks kept, each line ended by LF),
to OUTPUT_FOLDER/<name>.tpl; the output folder defaults to this script's
folder.  CORRECTIONS then mends the few places where the generated class
would misbehave once compiled; each must match exactly once, so a changed
design text is noticed instead of silently half-mended.

Blocks of a known section that are not listed stop the script, so that no
template is forgotten; IGNORED names those left out on purpose.
"""

import os
import sys

# (section title, start of the caption, template name)
TEMPLATES = [
    ("Generated file skeleton", "Header opening", "header_opening"),
    ("Generated file skeleton", "Diagnostics declarations", "diagnostics_declarations"),
    ("Generated file skeleton", "Source opening with the private-header include", "source_opening_a"),
    ("Generated file skeleton", "Source opening without it", "source_opening_b"),
    ("Generated file skeleton", "Diagnostics definitions", "diagnostics_definitions"),
    ("Generated file skeleton", "Serialization block", "serialization_block"),
    ("Component class templates", "Drawing component, header text", "draw_component_header"),
    ("Component class templates", "Drawing component, source text", "draw_component_source"),
    ("Component class templates", "Ports component, header text", "ports_component_header"),
    ("Component class templates", "Ports component, source text", "ports_component_source"),
    ("Property-set class template", "Header text", "property_set_header"),
    ("Property-set class template", "Source text", "property_set_source"),
    ("Data-model class templates", "Single data model and sub-form model, header text", "data_model_header"),
    ("Data-model class templates", "Single data model and sub-form model, source text", "data_model_source"),
    ("Data-model class templates", "Multi-page model, header text", "multi_page_model_header"),
    ("Data-model class templates", "Multi-page model, source text", "multi_page_model_source"),
    ("Command class templates", "Single-component command, header text", "single_command_header"),
    ("Command class templates", "Single-component command, source text", "single_command_source"),
    ("Command class templates", "List command, header text", "list_command_header"),
    ("Command class templates", "List command, source text", "list_command_source"),
    ("Command class templates", "Macro command, header text", "macro_command_header"),
    ("Command class templates", "Macro command, source text", "macro_command_source"),
    ("Document and view class templates", "Document on `CQYDoc`, header", "document_header"),
    ("Document and view class templates", "Document on `CQYDoc`, source", "document_source"),
    ("Document and view class templates", "Document with a multi-page model, header", "multi_page_document_header"),
    ("Document and view class templates", "Document with a multi-page model, source", "multi_page_document_source"),
    ("Document and view class templates", "View on `CQYBaseView`, header", "base_view_header"),
    ("Document and view class templates", "View on `CQYBaseView`, source", "base_view_source"),
    ("Document and view class templates", "View on `CQYContentView`, header", "content_view_header"),
    ("Document and view class templates", "View on `CQYContentView`, source", "content_view_source"),
    ("Line end class template", "Header", "line_end_header"),
    ("Line end class template", "Source", "line_end_source"),
    ("Hyperlink component class template", "Header", "hyperlink_component_header"),
    ("Hyperlink component class template", "Source", "hyperlink_component_source"),
    ("Toolbox item and plain class templates", "Toolbox item, header", "toolbox_item_header"),
    ("Toolbox item and plain class templates", "Toolbox item, source", "toolbox_item_source"),
    ("Toolbox item and plain class templates", "Plain class, header", "plain_class_header"),
    ("Toolbox item and plain class templates", "Plain class, source", "plain_class_source"),
]

# Blocks that only illustrate a piece already written out inside each
# template (the two description block styles).
IGNORED = [
    ("Generated file skeleton", "Description block, style 1"),
    ("Generated file skeleton", "Description block, style 2"),
]

# (template name, text as designed, text written): plain faults of the
# generated code, mended so that the class behaves once it is compiled.
# Placeholders meant for the user (ids to fill in, sample code) stay.
CORRECTIONS = [
    # The property set's assignment copied nothing of its base (the id).
    ("property_set_source",
     "{\n//\tstrName = propComp.GetObjectName();\n\t\n\treturn *this;\n}",
     "{\n\tm_nPropId = propComp.GetPropId();\n"
     "//\tstrName = propComp.GetObjectName();\n\t\n\treturn *this;\n}"),
    # Its equality answered TRUE whatever it was compared with.
    ("property_set_source",
     "const\n{\n\treturn TRUE;\n}",
     "const\n{\n\treturn (GetPropId() == propEdit.GetPropId());\n}"),
    # The multi-page model's AddNewModel returned nothing.
    ("multi_page_model_source",
     "\t//return pModel;\n}\n",
     "\t//return pModel;\n\treturn NULL;\n}\n"),
    # SetComponent overwrote the held component without releasing it.
    ("single_command_header",
     "{\n\tm_pComp = pComp;\n\tpComp->AddRef();\n}",
     "{\n\tpComp->AddRef();\n\tif (m_pComp != NULL)\n\t\tm_pComp->Release();\n"
     "\tm_pComp = pComp;\n}"),
    # The line end's copy constructor and assignment copied none of the
    # base's settings, and Copy made an object of the base class.
    ("line_end_source",
     "«Class»::«Class»(const «Class»& src)\n{\n}",
     "«Class»::«Class»(const «Class»& src)\n\t: CQYBaseEndObject(src)\n{\n}"),
    ("line_end_source",
     "«Class»& «Class»::operator=(const «Class»& src)\n{\n\treturn (*this);\n}",
     "«Class»& «Class»::operator=(const «Class»& src)\n{\n"
     "\tif (this != &src)\n\t{\n"
     "\t\tReleasePen();\n\t\tReleaseBrush();\n"
     "\t\tm_nArrowLength = src.m_nArrowLength;\n"
     "\t\tm_nArrowWidth = src.m_nArrowWidth;\n"
     "\t\tm_crFillColor = src.m_crFillColor;\n"
     "\t\tm_bTransparent = src.m_bTransparent;\n"
     "\t\tm_nPenWidth = src.m_nPenWidth;\n"
     "\t\tm_crPenColor = src.m_crPenColor;\n"
     "\t\tm_bNullPen = src.m_bNullPen;\n"
     "\t\tm_nPenStyle = src.m_nPenStyle;\n"
     "\t\tm_nBrushType = src.m_nBrushType;\n"
     "\t\tm_nHatchStyle = src.m_nHatchStyle;\n"
     "\t\tm_crHatchColor = src.m_crHatchColor;\n"
     "\t}\n\treturn (*this);\n}"),
    ("line_end_source",
     "\treturn (new CQYBaseEndObject(*this));",
     "\treturn (new «Class»(*this));"),
    # The type code macro expanded without parentheses.
    ("hyperlink_component_header",
     "#define QY_COMP_DIAMOND QY_COMP_CUSTOM+1\n",
     "#define QY_COMP_DIAMOND (QY_COMP_CUSTOM+1)\n"),
]


def read_blocks(path):
    """Yield (section title, caption, block text) for every ```text block."""
    with open(path, "rb") as handle:
        lines = handle.read().decode("utf-8").split("\n")
    title = ""
    caption = ""
    index = 0
    while index < len(lines):
        line = lines[index]
        if line.startswith("# ") and ": " in line:
            title = line.split(": ", 1)[1].strip()
        if line == "```text":
            body = []
            index += 1
            while lines[index] != "```":
                body.append(lines[index])
                index += 1
            yield title, caption, "".join(part + "\n" for part in body)
        elif line.strip():
            caption = line
        index += 1


def main(argv):
    if len(argv) not in (2, 3):
        sys.stderr.write(__doc__)
        return 2
    out_dir = argv[2] if len(argv) == 3 else os.path.dirname(os.path.abspath(__file__))
    known_titles = {title for title, _, _ in TEMPLATES}
    texts = {}
    for title, caption, text in read_blocks(argv[1]):
        if title not in known_titles:
            continue
        if any(title == t and caption.startswith(c) for t, c in IGNORED):
            continue
        names = [n for t, c, n in TEMPLATES if t == title and caption.startswith(c)]
        if len(names) != 1:
            raise SystemExit("unmatched block in '%s': %s" % (title, caption))
        if names[0] in texts:
            raise SystemExit("block found twice: " + names[0])
        texts[names[0]] = text
    missing = [n for _, _, n in TEMPLATES if n not in texts]
    if missing:
        raise SystemExit("blocks not found: " + ", ".join(missing))
    for name, old, new in CORRECTIONS:
        if texts[name].count(old) != 1:
            raise SystemExit("correction does not match once in " + name)
        texts[name] = texts[name].replace(old, new)
    for name, text in texts.items():
        with open(os.path.join(out_dir, name + ".tpl"), "wb") as handle:
            handle.write(text.encode("utf-8"))
    print("wrote %d templates to %s" % (len(texts), out_dir))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
