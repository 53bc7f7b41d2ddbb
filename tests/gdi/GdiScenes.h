// Drawing scenes that both builds render the same way: under Wine with real
// GDI, natively with our GDI layer. Each scene draws into a white memory
// bitmap through Win32 calls only and may record numbers (extents, mapped
// points) that must come out the same.
#pragma once

#include "win32api.h"

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace scenes {

// Named integers a scene reports besides its pixels.
class SceneRecord {
  public:
    void Add(const std::string& name, long value) { values_.emplace_back(name, value); }
    const std::vector<std::pair<std::string, long>>& Values() const { return values_; }

  private:
    std::vector<std::pair<std::string, long>> values_;
};

// How a scene's result is compared between the builds: shapes pixel for
// pixel and numbers exactly; text by the bounding box of its ink and its
// numbers (extents), each within a tolerance.
enum class Comparison { kExact, kText };

struct Scene {
    std::string name;
    int width;
    int height;
    Comparison comparison;
    std::function<void(HDC, SceneRecord&)> draw;
};

inline constexpr int kTextTolerance = 2;

// RGB pixels, rows top to bottom, as 0x00RRGGBB.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
};

// A memory DC with a white bitmap compatible with the screen, released at
// the end of its scope.
class SceneBitmap {
  public:
    SceneBitmap(int width, int height);
    ~SceneBitmap();
    SceneBitmap(const SceneBitmap&) = delete;
    SceneBitmap& operator=(const SceneBitmap&) = delete;
    HDC Dc() const { return dc_; }
    bool Valid() const { return dc_ && bitmap_; }

  private:
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

std::vector<Scene> AllScenes();
void AddShapeScenes(std::vector<Scene>& scenes);
void AddBlitScenes(std::vector<Scene>& scenes);
void AddTextScenes(std::vector<Scene>& scenes);
void AddRandomScenes(std::vector<Scene>& scenes);

// Draws a scene on a fresh white bitmap and reads the pixels back.
bool RenderScene(const Scene& scene, Image& image, SceneRecord& record);

// Binary PPM (P6) and the record as "name value" lines.
bool WritePpm(const std::string& path, const Image& image);
bool ReadPpm(const std::string& path, Image& image);
bool WriteRecord(const std::string& path, const SceneRecord& record);
bool ReadRecord(const std::string& path, SceneRecord& record);

} // namespace scenes
