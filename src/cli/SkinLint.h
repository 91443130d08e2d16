#pragma once
// The checks of `vtskin check`: what a skin author wants to know before shipping a skin.
//
//  - bitmap links that name an image the skin lacks, or a rectangle that is empty or
//    reaches outside the image;
//  - images without pixels, and images sharing a name (links find the first one only);
//  - top-level objects sharing a name (the theme finds the first one only);
//  - top-level objects the themed controls look up by name, and the parts each control
//    family paints, that the skin lacks (those controls then paint plainly);
//  - window frames without a client object, a caption or a close button.
// What the load itself passed over (records of unknown classes) the caller adds.
#include <string>
#include <vector>

#include "skin/se_skinsource.h"

namespace vt {

struct TLintFinding {
  std::string Where;    // "Form/Caption/Close", "image \"form\"", or empty for the skin
  std::string Problem;  // one sentence
};

// One object the themed controls look up by name, with the parts its family paints.
// Each entry of Parts lists names of which one must exist ("FrameHorz|Frame").
struct TLookedUpObject {
  const char* Name;
  const char* Family;  // "scroll bars": for the message
  std::vector<const char*> Parts;
  bool WindowFrame = false;  // checked for client, caption and close button instead
};
const std::vector<TLookedUpObject>& LookedUpObjects();

std::vector<TLintFinding> LintSkin(const TSeSkinSource& source);

}  // namespace vt
