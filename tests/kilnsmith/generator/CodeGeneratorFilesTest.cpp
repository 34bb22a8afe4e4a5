#include "kilnsmith/generator/CodeGenerator.h"

#include "GeneratorTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

using namespace generator_test;

namespace {

TEST(CodeGeneratorObject, IsCreatableByClassName)
{
    std::unique_ptr<CObject> pObject(CRuntimeClass::CreateObject("CCodeGenerator"));
    ASSERT_NE(pObject, nullptr);
    EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CCodeGenerator)));
    EXPECT_EQ(RUNTIME_CLASS(CCodeGenerator)->m_wSchema, 0u);
    EXPECT_TRUE(static_cast<CCodeGenerator *>(pObject.get())->GetOutputFolder().IsEmpty());
}

TEST(CodeGeneratorObject, SavesAndOpensItsEmptyRecordByName)
{
    ScratchFolder folder;
    CCodeGenerator generator(folder.Str().c_str());
    const std::string path = (folder.Path() / "generator.bin").string();
    ASSERT_TRUE(generator.SaveDocument(path.c_str()));
    EXPECT_EQ(std::filesystem::file_size(path), 0u);
    EXPECT_TRUE(generator.OpenDocument(path.c_str()));

    EXPECT_FALSE(generator.OpenDocument((folder.Path() / "missing.bin").string().c_str()));
    EXPECT_FALSE(generator.SaveDocument((folder.Path() / "missing" / "x.bin").string().c_str()));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}

} // namespace
