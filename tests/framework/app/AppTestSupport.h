// Shared pieces of the application-layer tests: a temporary folder that is
// also the profile's home, an application object of the scribble sample,
// and a message-box handler that records the boxes and answers them from a
// queue (the default button when the queue is empty).
#pragma once

#include "Scribble.h"

#include "framework/base/CString.h"

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <string>
#include <vector>

struct ShownBox {
    std::string text;
    UINT nType;
    UINT nIDHelp;
    std::string caption;
};

class BoxAnswers {
public:
    BoxAnswers();
    ~BoxAnswers();
    void Queue(int nAnswer) { m_answers.push_back(nAnswer); }
    const std::vector<ShownBox> &Shown() const { return m_shown; }
    void Clear() { m_shown.clear(); }

private:
    static int Handler(LPCTSTR lpszText, UINT nType, UINT nIDHelp);
    std::deque<int> m_answers;
    std::vector<ShownBox> m_shown;
    void *m_pPrevious;
};

// Answers file prompts from a queue of paths (empty: cancelled).
class PathAnswers {
public:
    PathAnswers();
    ~PathAnswers();
    void Queue(const std::string &path) { m_paths.push_back(path); }
    int Asked() const { return m_nAsked; }

private:
    static BOOL Handler(CString &strPath, BOOL bOpen, LPCTSTR lpszTitle, LPCTSTR lpszFilter, LPCTSTR lpszDefExt);
    std::deque<std::string> m_paths;
    int m_nAsked = 0;
    void *m_pPrevious;
};

class AppTestBase : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    std::string PathOf(const char *lpszName) const { return (m_folder / lpszName).string(); }
    // A scribble file with the given strokes.
    void WriteScribble(const std::string &path, const std::vector<std::vector<CPoint>> &strokes);
    static std::string ReadBytes(const std::string &path);
    static void WriteBytes(const std::string &path, const std::string &bytes);

    std::filesystem::path m_folder;
    std::string m_oldConfigHome;
    CWinApp *m_pApp = nullptr;
    BoxAnswers m_boxes;
    PathAnswers m_paths;
};
