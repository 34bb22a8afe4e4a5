// Names of the files that the code generator writes for a class: the stem
// is the class name without its first character (CMyView gives MyView), the
// header is stem + ".h" and the source stem + ".cpp".  Also the checks that
// keep a typed name from leading a file out of the output folder.
#pragma once

#include "framework/base/CString.h"

// The class name less its first character, whatever that character is.  A
// character is one UTF-8 sequence, so a non-ASCII first letter is dropped
// whole and the stem stays valid text.
CString GetClassFileStem(const CString &strClassName);

CString GetHeaderFileName(const CString &strClassName);
CString GetSourceFileName(const CString &strClassName);

// TRUE when the class name gives a stem that names a plain file inside the
// output folder: not empty, no path separator ('/' or '\'), no "..", no NUL.
BOOL IsSafeClassName(const CString &strClassName);

// TRUE for a C++ identifier: a letter or '_' first, then letters, digits and
// '_' (ASCII).  Typed names that become an #include path or a base class in
// the generated text must pass it.
BOOL IsCppIdentifier(const CString &strName);

// The folder and the file name joined with one '/'; an empty folder means
// the current directory.
CString JoinOutputPath(const CString &strFolder, const CString &strFileName);
