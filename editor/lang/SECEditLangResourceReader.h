// SECEditLangResourceReader: fills a configuration from a custom resource
// of the program (type "SECEDITLANGCONFIG") that holds its archive form.
// A missing or empty resource leaves the configuration untouched; a damaged
// one leaves the defaults.  Read answers FALSE in both cases.
#pragma once

#include "editor/lang/SECEditLangReader.h"

// The resource type of language configurations.
#define SECEDIT_LANGCONFIG_RESOURCE_TYPE "SECEditLangConfig"
// The program's own C configuration.
constexpr UINT SECEDIT_LANGCONFIG_RESOURCE_C = 103;

class SECEditLangResourceReader : public SECEditLangReaderBase {
public:
    explicit SECEditLangResourceReader(UINT nResourceId);

    BOOL Read(SECEditLangConfig *pConfig) override;

    UINT GetResourceId() const { return m_nResourceId; }

private:
    UINT m_nResourceId;
};
