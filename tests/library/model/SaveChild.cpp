// The child of the kill-during-save test: builds a large document whose
// content depends on the variant and saves it over the path.
//
//     model_save_child <path> <variant> <components>
//
// It writes "S" to its standard output when the save begins and, when it
// ends, the microseconds it took; exit code 0 when the save succeeded.
#include "library/model/QYDataModel.h"
#include "library/model/QYDrawComponent.h"

#include <QApplication>

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 4)
        return 2;
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    const std::string variant = argv[2];
    const int nComponents = std::atoi(argv[3]);

    CQYDataModel model;
    model.SetPagePosition(CRect(0, 0, 2000, 2000));
    for (int i = 0; i < nComponents; ++i) {
        auto* pComp = new CQYDrawComponent();
        pComp->AddRef();
        CRect rect(i % 1000, i / 1000, i % 1000 + 40, i / 1000 + 20);
        const std::string caption = variant + " component " + std::to_string(i);
        pComp->Create(rect, caption.c_str());
        model.InsertComponent(pComp);
        pComp->Release();
    }
    const auto start = std::chrono::steady_clock::now();
    if (::write(1, "S", 1) != 1)
        return 3;
    const BOOL bSaved = model.SaveDocument(argv[1]);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    std::printf("%lld\n",
                static_cast<long long>(std::chrono::duration_cast<std::chrono::microseconds>(elapsed).count()));
    return bSaved ? 0 : 1;
}
