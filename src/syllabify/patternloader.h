#pragma once
// Loading the hyphenation patterns takes seconds of CPU. The loader reads
// them on a worker thread as soon as it is started, so that the first
// automatic marking finds them ready; whoever asks earlier waits for the
// one load under way instead of starting a second.
#include "syllabify/syllabifier.h"

#include <future>
#include <memory>
#include <mutex>
#include <string>

namespace syllabify {

class PatternLoader {
public:
    // `cacheFile` keeps the prepared patterns between runs (see PatternTable).
    explicit PatternLoader(std::string patternFile = defaultPatternFile, std::string cacheFile = {});
    // Waits for a load under way: the worker must not outlive the loader.
    ~PatternLoader();
    PatternLoader(const PatternLoader &) = delete;
    PatternLoader &operator=(const PatternLoader &) = delete;

    // Starts loading on a worker thread; does nothing while a load is under
    // way or its result waits to be taken.
    void start();
    // The loaded syllabifier, waiting for the load if it has not ended yet;
    // starts one first if none is under way. A result that is not
    // ready (the file is missing) is handed out once; the next take() loads
    // again, so that installing the patterns helps without a restart.
    std::shared_ptr<Syllabifier> take();

private:
    const std::string m_file;
    const std::string m_cacheFile;
    std::mutex m_mutex;
    std::shared_future<std::shared_ptr<Syllabifier>> m_load;
};

} // namespace syllabify
