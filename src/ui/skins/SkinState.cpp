#include "skins/SkinState.h"

#include "skins/SkinBNZ.h"
#include "skins/SkinKRV.h"
#include "skins/SkinTLM.h"

#include "level/Symbols.h"

#include <memory>

namespace quobix {

namespace {
    template <typename Skin> Skin* Instance(bool create)
    {
        static std::unique_ptr<Skin> instance;
        if (!instance && create)
            instance = std::make_unique<Skin>();
        return instance.get();
    }
}

const char* PictureName(int index)
{
    return index == EmptyGridPicture ? "Grid" : Symbols[index].picture;
}

SkinKRV* SkinKRVInstance(bool create) { return Instance<SkinKRV>(create); }
SkinTLM* SkinTLMInstance(bool create) { return Instance<SkinTLM>(create); }
SkinBNZ* SkinBNZInstance(bool create) { return Instance<SkinBNZ>(create); }

} // namespace quobix
