// Archive throughput: a million small objects, and 100 MB of plain values,
// each written and read back through a memory file.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "framework/object/Archive.h"

namespace {

class CBenchPoint : public CObject {
    DECLARE_SERIAL(CBenchPoint)
public:
    CBenchPoint() = default;
    CBenchPoint(int x, int y) : m_x(x), m_y(y) {}
    void Serialize(CArchive &ar) override
    {
        if (ar.IsStoring())
            ar << m_x << m_y;
        else
            ar >> m_x >> m_y;
    }
    int m_x = 0;
    int m_y = 0;
};

IMPLEMENT_SERIAL(CBenchPoint, CObject, 1)

const int kObjectCount = 1000000;
const UINT kGrowBytes = 16u << 20;
const size_t kPlainBytes = 100u << 20;

std::vector<std::unique_ptr<CBenchPoint>> MakeObjects()
{
    std::vector<std::unique_ptr<CBenchPoint>> objects;
    objects.reserve(kObjectCount);
    for (int i = 0; i < kObjectCount; ++i)
        objects.push_back(std::make_unique<CBenchPoint>(i, -i));
    return objects;
}

// An object list record: the count, then each object.
void StoreObjects(CMemFile &file, const std::vector<std::unique_ptr<CBenchPoint>> &objects)
{
    CArchive ar(&file, CArchive::store);
    ar.SetStoreParams(UINT(objects.size() * 2));
    ar.WriteCount(objects.size());
    for (const auto &pObject : objects)
        ar << pObject.get();
    ar.Close();
}

void StorePlainValues(CMemFile &file)
{
    CArchive ar(&file, CArchive::store);
    for (size_t i = 0; i < kPlainBytes / 16; ++i)
        ar << DWORD(i) << int(i) << double(i);
    ar.Close();
}

void BM_WriteObjects(benchmark::State &state)
{
    auto objects = MakeObjects();
    for (auto _ : state) {
        CMemFile file(kGrowBytes);
        StoreObjects(file, objects);
        benchmark::DoNotOptimize(file.GetLength());
    }
    state.SetItemsProcessed(state.iterations() * kObjectCount);
}

void BM_ReadObjects(benchmark::State &state)
{
    CMemFile file(kGrowBytes);
    StoreObjects(file, MakeObjects());
    for (auto _ : state) {
        file.SeekToBegin();
        CArchive ar(&file, CArchive::load);
        ar.SetLoadParams(kObjectCount * 2);
        DWORD_PTR nCount = ar.ReadCount();
        std::vector<std::unique_ptr<CObject>> loaded;
        loaded.reserve(nCount);
        for (DWORD_PTR i = 0; i < nCount; ++i) {
            CBenchPoint *pPoint = nullptr;
            ar >> pPoint;
            loaded.emplace_back(pPoint);
        }
        benchmark::DoNotOptimize(loaded.back().get());
    }
    state.SetItemsProcessed(state.iterations() * kObjectCount);
}

void BM_WritePlainValues(benchmark::State &state)
{
    for (auto _ : state) {
        CMemFile file(kGrowBytes);
        StorePlainValues(file);
        benchmark::DoNotOptimize(file.GetLength());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kPlainBytes));
}

void BM_ReadPlainValues(benchmark::State &state)
{
    CMemFile file(kGrowBytes);
    StorePlainValues(file);
    for (auto _ : state) {
        file.SeekToBegin();
        CArchive ar(&file, CArchive::load);
        DWORD dwSum = 0;
        for (size_t i = 0; i < kPlainBytes / 16; ++i) {
            DWORD dw;
            int n;
            double d;
            ar >> dw >> n >> d;
            dwSum += dw + DWORD(n) + DWORD(d);
        }
        benchmark::DoNotOptimize(dwSum);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kPlainBytes));
}

BENCHMARK(BM_WriteObjects)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadObjects)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WritePlainValues)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadPlainValues)->Unit(benchmark::kMillisecond);

} // namespace
