#pragma once

#include <memory>

struct IDispatch;

namespace quillora::word {
class Application;
}

namespace quillora::com {

// Word's Application automation object as the add-in's Word: every interface of src/word over
// Word's automation objects by late binding. It takes a reference of its own to `aplicacion`.
//
// The same Word object always gives the same wrapper while anyone holds that wrapper, so
// documents and comments compare by pointer. Text is UTF-8; a failed call throws word::HostError
// with Word's description, and word::NotSupported where Word lacks Reviewers, Picture or Mask.
// Use it on the thread that received `aplicacion`, as Word's objects require.
std::shared_ptr<word::Application> AplicacionCom(IDispatch* aplicacion);

}  // namespace quillora::com
