// The kinds of class that the code generator writes, each with its two
// templates, the class that its text names for {Base} (the library base,
// or CObject in the commands' diagnostics), and the form of its header's
// closing include guard.
#pragma once

#include "kilnsmith/generator/IncludeGuard.h"

enum class ClassKind {
    DrawComponent,
    PortsComponent,
    PropertySet,
    DataModel,
    SubFormModel,
    MultiPageModel,
    SingleCommand,
    ListCommand,
    MacroCommand,
    Document,
    MultiPageDocument,
    BaseView,
    ContentView,
    LineEnd,
    HyperlinkComponent,
    ToolBoxItem,
    PlainClass,
};

// The further typed name that a kind takes beside the class name and the
// description: the views name their document class, the plain class its
// base class.
enum class ExtraName { None, Document, BaseClass };

struct ClassKindInfo {
    ClassKind kind;
    const char *pszHeaderTemplate;
    const char *pszSourceTemplate;
    const char *pszBase;
    GuardCloseForm closeForm;
    ExtraName extraName;
};

const ClassKindInfo &GetClassKindInfo(ClassKind kind);
