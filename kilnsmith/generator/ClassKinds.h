// The kinds of class that the code generator writes, each with its two
// templates, the library base class that its text names for {Base}, and
// the form of its header's closing include guard.
#pragma once

#include "kilnsmith/generator/IncludeGuard.h"

enum class ClassKind {
    DrawComponent,
    PortsComponent,
    PropertySet,
    DataModel,
    SubFormModel,
    MultiPageModel,
};

// The further typed name that a kind takes beside the class name and the
// description.
enum class ExtraName { None };

struct ClassKindInfo {
    ClassKind kind;
    const char *pszHeaderTemplate;
    const char *pszSourceTemplate;
    const char *pszBase;
    GuardCloseForm closeForm;
    ExtraName extraName;
};

const ClassKindInfo &GetClassKindInfo(ClassKind kind);
