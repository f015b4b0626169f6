#pragma once
// The maker's web pages opened from the Help menu and the About box.
namespace markloom {

inline constexpr const char* kMakerSite = "https://www.tarnwell.example";
inline constexpr const char* kMakerHomePage = "https://www.tarnwell.example/";
inline constexpr const char* kMakerProductsGuide = "https://www.tarnwell.example/products/";
inline constexpr const char* kMakerTechnicalSupport = "https://www.tarnwell.example/techsupport/";
inline constexpr const char* kMarkloomHomePage = "https://www.tarnwell.example/products/markloom/";

}  // namespace markloom
