#include "dial/embedded_tone_images.h"
#include "dial/tone_source.h"

namespace vendarion {
namespace {

class CompiledTones final : public ToneSource {
public:
    ByteView Find(std::string_view image_name) const override {
        for (const EmbeddedToneImage& image : EmbeddedToneImages()) {
            if (image.name == image_name) return {image.bytes.data(), image.bytes.size()};
        }
        return {};
    }
};

}  // namespace

const ToneSource& EmbeddedTones() {
    static const CompiledTones tones;
    return tones;
}

}  // namespace vendarion
