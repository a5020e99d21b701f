// SPDX-License-Identifier: MIT
#pragma once
// The theatre colours of every window the game paints: ivory sheets and ink, gold
// trim, walnut wood, velvet ground, and the few colours of meters and warnings.
#include <QColor>

namespace tonvale::palette {

inline const QColor kIvory(0xfb, 0xf6, 0xe9);
inline const QColor kIvoryShadow(0xe6, 0xdc, 0xc3);
inline const QColor kInk(0x1d, 0x1a, 0x16);
inline const QColor kGoldHi(0xf5, 0xd7, 0x7a);
inline const QColor kGold(0xc9, 0x96, 0x2c);
inline const QColor kGoldLo(0x8c, 0x64, 0x18);
inline const QColor kWalnut(0x5b, 0x3a, 0x1e);
inline const QColor kWalnutHi(0x8a, 0x5a, 0x2b);
inline const QColor kWalnutLo(0x3a, 0x24, 0x10);    // the foot of a raised button's face
inline const QColor kWalnutDeep(0x2e, 0x1c, 0x0c);  // the far corner of a panel's wood
inline const QColor kVelvetHi(0x4a, 0x0d, 0x1a);
inline const QColor kVelvetLo(0x2a, 0x06, 0x10);
inline const QColor kBlue(0x1f, 0x4f, 0xc8);
inline const QColor kDarkBlue(0x12, 0x2a, 0x6e);
inline const QColor kBlueHi(0x2d, 0x6c, 0xdf);
inline const QColor kBlueLo(0x12, 0x3a, 0x8c);
inline const QColor kRed(0xb8, 0x1e, 0x1e);
inline const QColor kHeading(0xa8, 0x1c, 0x1c);  // headings on an ivory sheet
inline const QColor kYellow(0xff, 0xe0, 0x66);   // captions and the focus ring on a dark ground
inline const QColor kWarning(0xd8, 0x43, 0x2f);

}  // namespace tonvale::palette
