// A fixture for tests that start the program: its configuration, home and
// runtime folders (XDG_CONFIG_HOME, HOME, XDG_RUNTIME_DIR) lie in a
// temporary folder of the test's own for the fixture's life.
#pragma once

#include "../../support/ScopedEnv.h"
#include "../../support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

class ProgramHomeTest : public ::testing::Test {
protected:
    ProgramHomeTest()
        : m_configHome("XDG_CONFIG_HOME", m_folder.File("config")), m_home("HOME", m_folder.File("home")),
          m_runtime("XDG_RUNTIME_DIR", m_folder.File("run"))
    {
        std::filesystem::create_directories(m_folder.File("run"));
        std::filesystem::permissions(m_folder.File("run"), std::filesystem::perms::owner_all);
    }

    TempFolder m_folder;
    ScopedEnv m_configHome;
    ScopedEnv m_home;
    ScopedEnv m_runtime;
};
