#pragma once

namespace qorvane {

// The two ways the program opens an outside address.
enum class ShellWay {
  // The desktop's default handler for the address: browser, mail program.
  DefaultHandler,
  // The "Internet Explorer" way: always a web browser, whatever the address.
  // On Linux that is the default browser as well.
  InternetExplorer,
};

}  // namespace qorvane
