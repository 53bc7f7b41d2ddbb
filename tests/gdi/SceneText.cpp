// Scenes of text: "Arial" at a few sizes and the four escapements the
// system uses. Fonts differ between the builds (Wine's Arial substitute and
// fontconfig's), so these compare the extents and the box the ink covers,
// within a few pixels, not the glyphs.
#include "GdiScenes.h"

#include <cstring>
#include <string>

namespace scenes {

namespace {

constexpr const char* kText = "MaxiCode 123";

Scene TextScene(int height, int escapement) {
    std::string name = "text_h" + std::to_string(height) + "_esc" + std::to_string(escapement);
    return {name, 260, 260, Comparison::kText, [=](HDC hdc, SceneRecord& record) {
                HFONT font = CreateFontA(-height, 0, escapement, escapement, FW_NORMAL, 0, 0, 0,
                                         ANSI_CHARSET, OUT_TT_ONLY_PRECIS, CLIP_DEFAULT_PRECIS,
                                         DEFAULT_QUALITY, DEFAULT_PITCH, "Arial");
                HGDIOBJ old = SelectObject(hdc, font);
                SetBkMode(hdc, TRANSPARENT);
                SIZE extent{};
                GetTextExtentPoint32A(hdc, kText, static_cast<int>(std::strlen(kText)), &extent);
                record.Add("extent.cx", extent.cx);
                record.Add("extent.cy", extent.cy);
                TextOutA(hdc, 130, 130, kText, static_cast<int>(std::strlen(kText)));
                SelectObject(hdc, old);
                DeleteObject(font);
            }};
}

} // namespace

void AddTextScenes(std::vector<Scene>& scenes) {
    for (int height : {13, 20, 33})
        for (int escapement : {0, 900, 1800, 2700})
            scenes.push_back(TextScene(height, escapement));
}

} // namespace scenes
