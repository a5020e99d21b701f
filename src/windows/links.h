// SPDX-License-Identifier: MIT
#pragma once
// Addresses and names that the about and advert windows hand to the desktop.
// They are the product's configuration: change them here and nowhere else.

namespace tonvale::links {

// The maker's web site (the about window's "more slots" button).
inline constexpr const char* kMakerSite = "https://www.example.org/slots";
// Where feedback mail goes; the about window forms a "mailto:" link from it.
inline constexpr const char* kFeedbackAddress = "feedback@example.org";
// The partner casino of the advert window.
inline constexpr const char* kPartnerLink = "https://casino.example.org";
inline constexpr const char* kPartnerName = "Bluewater Harbour Casino";

// The about window's title line.
inline constexpr const char* kAboutTitle = "TonVale Slots  -  play money";

}  // namespace tonvale::links
