#include "word/host_error.h"

namespace quillora::word {

NotSupported::NotSupported(const std::string& member)
    : HostError("El objeto no admite esta propiedad o método: " + member) {}

}  // namespace quillora::word
