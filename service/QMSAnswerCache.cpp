#include "QMSAnswerCache.h"

#include "QMSDatabase.h"

#include <mutex>

QMSAnswerCache::Body QMSAnswerCache::answer(const std::string &key, const QMSDatabase &db,
                                            const Render &render)
{
    // Read before the answer's own reads begin: a commit they might miss moves the count past the
    // answer's tag, so it is never served.
    const std::uint64_t commits = db.commits();
    if (Body kept = find(key, commits))
        return kept;
    Body fresh = render();
    if (fresh)
        store(key, fresh, commits);
    return fresh;
}

QMSAnswerCache::Body QMSAnswerCache::find(const std::string &key, std::uint64_t commits) const
{
    std::shared_lock lock(m_mutex);
    if (commits != m_commits)
        return {};
    const auto found = m_answers.find(key);
    return found == m_answers.end() ? Body() : found->second;
}

void QMSAnswerCache::store(const std::string &key, const Body &body, std::uint64_t commits)
{
    std::unique_lock lock(m_mutex);
    if (commits != m_commits) {
        // The count only grows: answers of an older one than those kept are not worth keeping.
        if (commits < m_commits)
            return;
        m_answers.clear();
        m_commits = commits;
    }
    // Requests vary without end (positions, pages): a full cache starts again rather than grow.
    if (m_answers.size() >= m_capacity && !m_answers.contains(key))
        m_answers.clear();
    m_answers.insert_or_assign(key, body);
}
