#include "syllabify/patternloader.h"

#include <utility>

namespace syllabify {

PatternLoader::PatternLoader(std::string patternFile, std::string cacheFile)
    : m_file(std::move(patternFile)), m_cacheFile(std::move(cacheFile))
{}

PatternLoader::~PatternLoader()
{
    std::lock_guard lock(m_mutex);
    if (m_load.valid())
        m_load.wait();
}

void PatternLoader::start()
{
    std::lock_guard lock(m_mutex);
    if (m_load.valid())
        return;
    SyllabifierOptions options;
    options.cacheFile = m_cacheFile;
    m_load = std::async(std::launch::async, [file = m_file, options] {
                 return std::make_shared<Syllabifier>(file, options);
             }).share();
}

std::shared_ptr<Syllabifier> PatternLoader::take()
{
    start();
    std::lock_guard lock(m_mutex);
    std::shared_ptr<Syllabifier> loaded = m_load.get();
    if (!loaded->isReady())
        m_load = {};
    return loaded;
}

} // namespace syllabify
