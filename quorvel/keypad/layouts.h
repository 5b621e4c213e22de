// The keypad window's two arrangements, BIG and SMALL: positions and sizes in
// twips, font sizes in points.
#pragma once

#include <span>

namespace quorvel {

struct Place {
    int left;
    int top;
    int width;
    int height;
    int fontSize; // 0: not set by the layout
};

struct ControlPlace {
    const char* name;    // objectName of the control
    const char* caption; // nullptr for controls without a fixed caption
    Place big;
    Place small;
    bool bold;
};

// Window outer sizes.
inline constexpr int kBigWindowWidth = 5040;
inline constexpr int kBigWindowHeight = 7960;
inline constexpr int kSmallWindowWidth = 2655;
inline constexpr int kSmallWindowHeight = 4215;

// The keyboard box: fixed left, width and height; the layouts set its top.
inline constexpr int kText1Left = 360;
inline constexpr int kText1Width = 1575;
inline constexpr int kText1Height = 210;
inline constexpr int kText1BigTop = 1560;
inline constexpr int kText1SmallTop = 480;

// Frame1, Label1 and Label2 (inside Frame1), then Command1..Command31.
std::span<const ControlPlace> keypadPlaces();

// The layout button's caption and tooltip.
inline constexpr const char* kBigCaption31 = "▼";
inline constexpr const char* kBigTip31 = "小さい電卓へ";
inline constexpr const char* kSmallCaption31 = "▲";
inline constexpr const char* kSmallTip31 = "大きい電卓へ";

} // namespace quorvel
