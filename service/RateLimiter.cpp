#include "RateLimiter.h"

#include <algorithm>
#include <cmath>

bool RateLimiter::take(const std::string &client, int *retryAfter, Clock::time_point now)
{
    if (m_perMinute <= 0)
        return true;
    const double perSecond = m_perMinute / 60.0;
    std::lock_guard lock(m_mutex);
    // Clients whose bucket has filled again are forgotten, so that many
    // addresses cannot grow the table without end.
    if (now - m_pruned > std::chrono::minutes(1)) {
        for (auto it = m_buckets.begin(); it != m_buckets.end();) {
            if (now - it->second.at > std::chrono::minutes(1))
                it = m_buckets.erase(it);
            else
                ++it;
        }
        m_pruned = now;
    }
    auto [it, added] = m_buckets.try_emplace(client, Bucket{double(m_perMinute), now});
    Bucket &bucket = it->second;
    const double elapsed = std::chrono::duration<double>(now - bucket.at).count();
    bucket.tokens = std::min(double(m_perMinute), bucket.tokens + elapsed * perSecond);
    bucket.at = now;
    if (bucket.tokens >= 1) {
        bucket.tokens -= 1;
        return true;
    }
    *retryAfter = std::max(1, int(std::ceil((1 - bucket.tokens) / perSecond)));
    return false;
}
