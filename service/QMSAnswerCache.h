#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <shared_mutex>
#include <string>
#include <unordered_map>

class QMSDatabase;

// Rendered answers of the kinds whose answer depends on nothing but the database and the request,
// each tagged with the database's commit count read before it was rendered. All are dropped at
// once when the count moves on, so a kept answer is always the one the database would give now.
class QMSAnswerCache
{
public:
    using Body = std::shared_ptr<const std::string>;
    // Renders the answer from the database; none when it must not be kept (a refusal).
    using Render = std::function<Body()>;

    explicit QMSAnswerCache(std::size_t capacity = 1024)
        : m_capacity(capacity)
    {}

    // The answer kept for the key if nothing was committed since it was rendered; otherwise
    // render()'s, kept under the commit count read before it ran.
    Body answer(const std::string &key, const QMSDatabase &db, const Render &render);

private:
    Body find(const std::string &key, std::uint64_t commits) const;
    void store(const std::string &key, const Body &body, std::uint64_t commits);

    const std::size_t m_capacity;
    mutable std::shared_mutex m_mutex;
    std::uint64_t m_commits = 0; // the count every kept answer was rendered at
    std::unordered_map<std::string, Body> m_answers;
};
