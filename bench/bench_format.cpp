// Skin file benchmarks: loading and saving each variant of a skin with about 8 MB of
// images, beside zlib alone doing the same work on the same body in the same run.
//
// Names: LoadSkin/<variant>, SaveSkin/<variant>, LoadSkin/uskn_images_only (the images
// without the objects), LoadSkin/uskn_objects_only (the objects without the images), Inflate/zlib
// (the default-level body, as "xskn" and "mskn" store it), Inflate/zlib_level1 (the "kskn" body),
// Deflate/zlib_level1, Deflate/zlib_level6, Memcpy/uskn (a copy of the uncompressed file's bytes
// into memory that stays allocated), Memcpy/uskn_fresh (the same copy into new memory).
// Items per second are bytes of the uncompressed skin body.
#include <benchmark/benchmark.h>
#include <zlib.h>

#include <cstring>
#include <memory>
#include <random>
#include <vector>

#include "skin/se_skinfilters.h"
#include "skin/se_skinsource.h"

namespace vt {
namespace {

// Eight 512 x 512 images (8 MB) drawn like skin artwork: gradients, flat fills, a key
// colour border, anti-aliased edges with partial alpha and a little noise; 200 objects.
std::unique_ptr<TSeSkinSource> MakeSkin() {
  auto source = std::make_unique<TSeSkinSource>();
  std::mt19937 random(8);
  for (int i = 0; i < 8; ++i) {
    auto* bitmap = new TteBitmap;
    bitmap->SetName("image" + std::to_string(i));
    bitmap->SetSize(512, 512);
    for (int y = 0; y < 512; ++y) {
      uint32_t* row = bitmap->ScanLine(y);
      for (int x = 0; x < 512; ++x) {
        const bool border = x < 8 || y < 8 || x >= 504 || y >= 504;
        const uint32_t shade = static_cast<uint32_t>((x + y * i) / 4) & 0xFF;
        uint32_t pixel = 0xFF000000 | shade << 16 | ((shade + 40 * i) & 0xFF) << 8 | (255 - shade);
        if ((x / 64 + y / 64) % 3 == 0) pixel = 0xFFD4D0C8;
        if ((random() & 15) == 0) pixel ^= random() & 0x070707;
        if (x == 8 || y == 8) pixel = (pixel & 0x00FFFFFF) | 0x80000000;
        row[x] = border ? kKeyPixel : pixel;
      }
    }
    bitmap->CheckAlpha();
    bitmap->SetKeyFlag(true);
    source->Bitmaps().Add(bitmap);
  }
  for (int i = 0; i < 20; ++i) {
    auto* form = new TSeBitmapObject(nullptr);
    form->SetName("Object" + std::to_string(i));
    form->Bitmap()->SetName("image" + std::to_string(i % 8));
    form->Bitmap()->SetRect(TRect{0, 0, 64, 64});
    for (int k = 0; k < 9; ++k) new TSeTextObject(form);
    source->AddObject(form);
  }
  return source;
}

struct TFixture {
  std::unique_ptr<TSeSkinSource> Skin = MakeSkin();
  std::vector<uint8_t> Files[4];
  std::vector<uint8_t> ImagesOnlyUskn;   // the same images without objects
  std::vector<uint8_t> ObjectsOnlyUskn;  // the same objects without images
  std::vector<uint8_t> TextBody, BinaryBody;
  std::vector<uint8_t> TextBodyLevel1, BinaryBodyLevel6;

  TFixture() {
    for (int v = 0; v < 4; ++v) {
      TMemoryStream stream;
      auto filter = SkinFilters()[static_cast<size_t>(v)]->Create();
      filter->SetSkinSource(Skin.get());
      filter->SaveToStream(stream);
      Files[v] = stream.Bytes();
    }
    TSeSkinSource imagesOnly;
    imagesOnly.Assign(*Skin);
    while (imagesOnly.Count() > 0) imagesOnly.DeleteObject(imagesOnly.Objects(0));
    ImagesOnlyUskn = SaveUncompressed(imagesOnly);
    TSeSkinSource objectsOnly;
    objectsOnly.Assign(*Skin);
    objectsOnly.Bitmaps().Clear();
    ObjectsOnlyUskn = SaveUncompressed(objectsOnly);
    TextBody = Body(TSeSkinFilterUncompressed());
    BinaryBody = Body(TSeSkinFilterMaxCompression());
    TextBodyLevel1 = Deflate(TextBody, 1);
    BinaryBodyLevel6 = Deflate(BinaryBody, 6);
  }

  static std::vector<uint8_t> SaveUncompressed(TSeSkinSource& source) {
    TMemoryStream stream;
    TSeSkinFilterUncompressed filter;
    filter.SetSkinSource(&source);
    filter.SaveToStream(stream);
    return std::move(stream.Bytes());
  }

  std::vector<uint8_t> Body(TSeSkinFilter&& filter) {
    TMemoryStream stream;
    filter.SetSkinSource(Skin.get());
    filter.WriteSkin(stream);
    return stream.Bytes();
  }

  const std::vector<uint8_t>& BodyOf(int variant) const {
    return variant == 3 ? BinaryBody : TextBody;
  }

  static std::vector<uint8_t> Deflate(const std::vector<uint8_t>& data, int level) {
    uLongf size = compressBound(data.size());
    std::vector<uint8_t> out(size);
    compress2(out.data(), &size, data.data(), data.size(), level);
    out.resize(size);
    return out;
  }
};

const TFixture& Fixture() {
  static const TFixture fixture;
  return fixture;
}

void SetBodyBytes(benchmark::State& state, size_t bytes) {
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(bytes));
  state.counters["body_MB"] = static_cast<double>(bytes) / (1 << 20);
}

void LoadSkin(benchmark::State& state, int variant) {
  const TFixture& f = Fixture();
  const std::vector<uint8_t>& file = f.Files[variant];
  for (auto _ : state) {
    TReadOnlyMemoryStream stream(file.data(), static_cast<int64_t>(file.size()));
    TSeSkinSource source;
    source.LoadFromStream(stream);
    benchmark::DoNotOptimize(source.Bitmaps().Count());
  }
  SetBodyBytes(state, f.BodyOf(variant).size());
}

// The pixel path of "uskn" alone (the same images, no objects to parse), or the object
// path alone (the same objects, no images).
void LoadSkinPart(benchmark::State& state, bool images) {
  const std::vector<uint8_t>& file = images ? Fixture().ImagesOnlyUskn : Fixture().ObjectsOnlyUskn;
  for (auto _ : state) {
    TReadOnlyMemoryStream stream(file.data(), static_cast<int64_t>(file.size()));
    TSeSkinSource source;
    source.LoadFromStream(stream);
    benchmark::DoNotOptimize(source.Bitmaps().Count());
  }
  SetBodyBytes(state, file.size() - 5);
}

void SaveSkin(benchmark::State& state, int variant) {
  const TFixture& f = Fixture();
  for (auto _ : state) {
    TMemoryStream stream;
    auto filter = SkinFilters()[static_cast<size_t>(variant)]->Create();
    filter->SetSkinSource(f.Skin.get());
    filter->SaveToStream(stream);
    benchmark::DoNotOptimize(stream.Memory());
  }
  SetBodyBytes(state, f.BodyOf(variant).size());
}

void Inflate(benchmark::State& state, const std::vector<uint8_t>& packed, size_t size) {
  std::vector<uint8_t> out(size);
  for (auto _ : state) {
    uLongf length = size;
    uncompress(out.data(), &length, packed.data(), packed.size());
    benchmark::DoNotOptimize(out.data());
  }
  SetBodyBytes(state, size);
}

void Deflate(benchmark::State& state, const std::vector<uint8_t>& body, int level) {
  std::vector<uint8_t> out(compressBound(body.size()));
  for (auto _ : state) {
    uLongf length = out.size();
    compress2(out.data(), &length, body.data(), body.size(), level);
    benchmark::DoNotOptimize(out.data());
  }
  SetBodyBytes(state, body.size());
}

// The same bytes copied into memory allocated for them on each run, one block per image
// as a loaded skin holds them (and freed after it, as a skin is): the copy a loader
// cannot avoid, page faults of new memory included.
void MemcpyFresh(benchmark::State& state) {
  const std::vector<uint8_t>& file = Fixture().Files[0];
  const TteBitmapList& images = Fixture().Skin->Bitmaps();
  for (auto _ : state) {
    std::vector<std::unique_ptr<uint8_t[]>> blocks;
    size_t offset = 0;
    for (int i = 0; i < images.Count(); ++i) {
      const size_t bytes = size_t(images.Bitmaps(i)->Width()) * images.Bitmaps(i)->Height() * 4;
      blocks.emplace_back(new uint8_t[bytes]);
      std::memcpy(blocks.back().get(), file.data() + offset, bytes);
      offset += bytes;
    }
    std::unique_ptr<uint8_t[]> rest(new uint8_t[file.size() - offset]);
    std::memcpy(rest.get(), file.data() + offset, file.size() - offset);
    benchmark::DoNotOptimize(blocks.data());
    benchmark::ClobberMemory();
  }
  SetBodyBytes(state, Fixture().TextBody.size());
}

void Register() {
  const char* names[] = {"uskn", "kskn", "xskn", "mskn"};
  for (int v = 0; v < 4; ++v) {
    benchmark::RegisterBenchmark((std::string("LoadSkin/") + names[v]).c_str(), LoadSkin, v)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark((std::string("SaveSkin/") + names[v]).c_str(), SaveSkin, v)
        ->Unit(benchmark::kMillisecond);
  }
  benchmark::RegisterBenchmark("LoadSkin/uskn_images_only", LoadSkinPart, true)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("LoadSkin/uskn_objects_only", LoadSkinPart, false)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("Inflate/zlib", [](benchmark::State& state) {
    Inflate(state, Fixture().BinaryBodyLevel6, Fixture().BinaryBody.size());
  })->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("Inflate/zlib_level1", [](benchmark::State& state) {
    Inflate(state, Fixture().TextBodyLevel1, Fixture().TextBody.size());
  })->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("Deflate/zlib_level1", [](benchmark::State& state) {
    Deflate(state, Fixture().TextBody, 1);
  })->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("Deflate/zlib_level6", [](benchmark::State& state) {
    Deflate(state, Fixture().BinaryBody, 6);
  })->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("Memcpy/uskn", [](benchmark::State& state) {
    const std::vector<uint8_t>& file = Fixture().Files[0];
    std::vector<uint8_t> copy(file.size());
    for (auto _ : state) {
      std::memcpy(copy.data(), file.data(), file.size());
      benchmark::DoNotOptimize(copy.data());
      benchmark::ClobberMemory();
    }
    SetBodyBytes(state, Fixture().TextBody.size());
  })->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("Memcpy/uskn_fresh", MemcpyFresh)->Unit(benchmark::kMillisecond);
}

const bool kRegistered = (Register(), true);

}  // namespace
}  // namespace vt
