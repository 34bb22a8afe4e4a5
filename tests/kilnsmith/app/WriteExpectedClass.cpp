// Writes what the generator makes of the desktop session's class (the
// property set CTestProps, "Properties") into a folder, for the session's
// checks: write_expected_class <folder>
#include "kilnsmith/generator/CodeGenerator.h"

#include "../generator/GeneratorTestSupport.h"

int main(int argc, char **argv)
{
    if (argc != 2)
        return 2;
    CCodeGenerator generator(argv[1], generator_test::FixedGuid);
    const GeneratedClassNames names("CTestProps", "Properties");
    const BOOL bWritten =
        generator.WriteHeader(ClassKind::PropertySet, names) && generator.WriteSource(ClassKind::PropertySet, names);
    return bWritten ? 0 : 1;
}
