#include "syllabify/patternloader.h"

#include <chrono>
#include <utility>

namespace syllabify {

PatternLoader::PatternLoader(std::string patternFile) : m_file(std::move(patternFile))
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
    m_load = std::async(std::launch::async, [file = m_file] { return std::make_shared<Syllabifier>(file); }).share();
}

bool PatternLoader::finished() const
{
    std::lock_guard lock(m_mutex);
    return m_load.valid() && m_load.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

std::shared_ptr<Syllabifier> PatternLoader::take()
{
    std::unique_lock lock(m_mutex);
    if (!m_load.valid()) {
        lock.unlock();
        start();
        lock.lock();
    }
    std::shared_ptr<Syllabifier> loaded = m_load.get();
    if (!loaded->isReady())
        m_load = {};
    return loaded;
}

} // namespace syllabify
