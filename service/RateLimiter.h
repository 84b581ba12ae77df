#pragma once

#include <chrono>
#include <mutex>
#include <string>
#include <unordered_map>

// Requests a client may make in a minute, refilled steadily (a token bucket
// per client address); what each instance of the service counts on its own.
class RateLimiter
{
public:
    using Clock = std::chrono::steady_clock;

    explicit RateLimiter(int perMinute) : m_perMinute(perMinute) {}

    // Takes one request of the client's share; false when it has none left,
    // with the seconds until the next in *retryAfter.
    bool take(const std::string &client, int *retryAfter, Clock::time_point now = Clock::now());

private:
    struct Bucket
    {
        double tokens = 0;
        Clock::time_point at;
    };
    const int m_perMinute;
    std::mutex m_mutex;
    std::unordered_map<std::string, Bucket> m_buckets;
    Clock::time_point m_pruned;
};
