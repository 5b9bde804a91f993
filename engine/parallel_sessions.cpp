#include "engine/parallel_sessions.h"

#include "engine/session_merge.h"
#include "engine/shoe.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <map>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

namespace bj {

namespace {

// Sessions are handed out in blocks of about this many hands, so short sessions do not pay
// for the hand-over and long ones still spread over the threads.
constexpr std::int64_t kBlockHands = 1 << 16;
constexpr std::int64_t kMaxBlockSessions = 4096;
constexpr int kProgressRounds = 1024;
// Finished blocks wait for their turn to be merged, at about 1 KB a session. With many threads
// the blocks get smaller, down to a size whose hand-over still costs little beside its play,
// and then fewer of them are out at once: what waits stays within this many sessions.
constexpr std::int64_t kMaxSessionsWaiting = 1 << 16;
constexpr std::int64_t kMinBlockSessions = 512;

// Blocks out at once, played or waiting to be merged, before memory bounds them.
std::int64_t BlocksOut(int threads) {
    return 2 * std::int64_t {threads} + 2;
}

std::int64_t SessionsPerBlock(std::int64_t hands, std::int64_t window) {
    const std::int64_t byHands = kBlockHands / std::max<std::int64_t>(hands, 1);
    const std::int64_t byMemory = std::max(kMaxSessionsWaiting / window, kMinBlockSessions);
    return std::clamp<std::int64_t>(byHands, 1, std::min(kMaxBlockSessions, byMemory));
}

struct Block {
    std::vector<SessionTotals> sessions;
    std::exception_ptr failure; // after the sessions above
};

// One thread's own copy of the game state and what the calling thread may read of it.
struct Player {
    GameState gs;
    std::atomic<std::int64_t> sessionHands {0};
};

class Run {
public:
    Run(const GameState& gs, const MultiSessionInputs& inputs, int threads, bool progress)
        : inputs_(inputs)
        , seed_(*inputs.Seed)
        , blockSessions_(SessionsPerBlock(inputs.HandsPerSession, BlocksOut(threads)))
        , blocks_((inputs.Sessions + blockSessions_ - 1) / blockSessions_)
        , window_(std::min(
              BlocksOut(threads), std::max<std::int64_t>(kMaxSessionsWaiting / blockSessions_, 2)))
        , progress_(progress) {
        for (int t = 0; t < threads; ++t) {
            auto& player = players_.emplace_back(std::make_unique<Player>());
            player->gs = gs;
            player->gs.StackedCards.clear();
            player->gs.MultiSessionMode = true;
        }
        try {
            for (auto& player : players_)
                threads_.emplace_back([this, p = player.get()] { Play(*p); });
        } catch (const std::system_error& e) {
            StopAndJoin(); // a running thread left unjoined would end the process
            throw std::runtime_error(std::string("the run could not start its threads (") + e.what()
                + "); try fewer with --threads");
        }
    }

    ~Run() { StopAndJoin(); }
    Run(const Run&) = delete;
    Run& operator=(const Run&) = delete;

    std::int64_t Blocks() const { return blocks_; }
    std::int64_t FirstSession(std::int64_t block) const { return block * blockSessions_ + 1; }

    // Waits for the block, calling `progress` while it waits when asked for.
    template <class Progress> Block Take(std::int64_t block, const Progress& progress) {
        std::unique_lock lock(mutex_);
        while (!ready_.contains(block)) {
            if (lost_)
                std::rethrow_exception(lost_);
            if (progress_) {
                done_.wait_for(lock, std::chrono::milliseconds(100));
                lock.unlock();
                progress(Snapshot());
                lock.lock();
            } else {
                done_.wait(lock);
            }
        }
        Block taken = std::move(ready_[block]);
        ready_.erase(block);
        taken_ = block + 1;
        lock.unlock();
        room_.notify_one(); // one more block may go out
        return taken;
    }

    // Hands a merged block's memory back for another block. A block of short sessions takes
    // megabytes, which the allocator would give back to the system and fault in again for
    // every block a thread plays.
    void Recycle(Block&& block) {
        block.sessions.clear();
        const std::lock_guard lock(mutex_);
        spare_.push_back(std::move(block.sessions));
    }

private:
    void StopAndJoin() {
        {
            const std::lock_guard lock(mutex_);
            stop_ = true;
        }
        room_.notify_all();
        for (auto& thread : threads_)
            thread.join();
    }

    ParallelProgress Snapshot() const {
        ParallelProgress p;
        p.SessionsDone = sessionsPlayed_.load(std::memory_order_relaxed);
        for (const auto& player : players_)
            p.SessionHands += player->sessionHands.load(std::memory_order_relaxed);
        p.Hands = handsPlayed_.load(std::memory_order_relaxed) + p.SessionHands;
        return p;
    }

    // The next block to play, and memory a merged block left when there is some.
    bool NextBlock(std::int64_t& block, std::vector<SessionTotals>& memory) {
        std::unique_lock lock(mutex_);
        room_.wait(lock, [this] { return stop_ || next_ >= blocks_ || next_ < taken_ + window_; });
        if (stop_ || next_ >= blocks_)
            return false;
        block = next_++;
        if (!spare_.empty()) {
            memory = std::move(spare_.back());
            spare_.pop_back();
        }
        return true;
    }

    void Play(Player& player) {
        std::int64_t block = 0;
        std::vector<SessionTotals> memory;
        try {
            while (NextBlock(block, memory)) {
                Block done = PlayBlock(player, block, std::move(memory));
                memory = {};
                {
                    const std::lock_guard lock(mutex_);
                    ready_.emplace(block, std::move(done));
                }
                done_.notify_one();
            }
        } catch (...) {
            // A block that could not be handed over (out of memory) is lost, and with it
            // the run: the calling thread waits for blocks in order.
            {
                const std::lock_guard lock(mutex_);
                if (!lost_)
                    lost_ = std::current_exception();
            }
            done_.notify_all();
        }
    }

    Block PlayBlock(Player& player, std::int64_t block, std::vector<SessionTotals> memory) {
        Block done {std::move(memory), {}};
        const std::int64_t first = FirstSession(block);
        const std::int64_t last = std::min(first + blockSessions_ - 1, inputs_.Sessions);
        try {
            done.sessions.reserve(static_cast<std::size_t>(last - first + 1));
            for (std::int64_t session = first; session <= last; ++session)
                done.sessions.push_back(PlaySession(player, session));
        } catch (...) {
            done.failure = std::current_exception();
        }
        return done;
    }

    // A session's play does not depend on the bankroll it starts from: its first bet is the
    // betting strategy's, later bets follow from its own hands, and the stop rules compare the
    // bankroll with the start only through differences. So it is played from zero and moved
    // onto the bankroll of the run when its turn to be merged comes (MergeSession).
    SessionTotals PlaySession(Player& player, std::int64_t session) {
        GameState& gs = player.gs;
        ZeroForSession(gs);
        SetSessionRules(gs, inputs_);
        BeginSession(gs, inputs_.MaxWin, inputs_.MaxLoss);
        const std::optional<Currency> startLoseLevel = gs.SessionLoseLevel;
        SeedRandom(gs, SessionSeed(seed_, session));
        // Progress only: asked once in so many rounds, it never cancels.
        const CancelCheck reportProgress = [&] {
            player.sessionHands.store(gs.SessionHandsPlayed, std::memory_order_relaxed);
            return false;
        };
        const RunEnd end = progress_ ? PlayBatchSession(gs, reportProgress, kProgressRounds)
                                     : PlayBatchSession(gs);
        SessionTotals totals = TakeSession(gs, end, startLoseLevel);
        player.sessionHands.store(0, std::memory_order_relaxed);
        handsPlayed_.fetch_add(totals.Hands, std::memory_order_relaxed);
        sessionsPlayed_.fetch_add(1, std::memory_order_relaxed);
        return totals;
    }

    const MultiSessionInputs inputs_;
    const std::uint64_t seed_;
    const std::int64_t blockSessions_;
    const std::int64_t blocks_;
    const std::int64_t window_;
    const bool progress_;
    std::vector<std::unique_ptr<Player>> players_;
    std::atomic<std::int64_t> handsPlayed_ {0}, sessionsPlayed_ {0};

    std::mutex mutex_;
    // Threads wait for room to play another block, the calling thread for a block played;
    // a wake-up for all would stir every thread at every block.
    std::condition_variable room_, done_;
    std::int64_t next_ = 0; // the next block to hand out
    std::int64_t taken_ = 0; // blocks taken by the calling thread
    std::map<std::int64_t, Block> ready_;
    std::vector<std::vector<SessionTotals>> spare_; // the memory of merged blocks
    bool stop_ = false;
    std::exception_ptr lost_; // a block a thread could not hand over
    std::vector<std::thread> threads_; // last: they stop and join before the rest goes
};

} // namespace

MultiSessionSummary RunParallelSessions(
    GameState& gs, const MultiSessionInputs& inputs, int threads, const ParallelHooks& hooks) {
    MultiSessionInputs seeded = inputs;
    if (!seeded.Seed)
        seeded.Seed = gs.Rng.Next();
    SetSessionRules(gs, inputs);

    MultiSessionSummary summary;
    summary.StartBank = gs.Bankroll;
    Currency runningTotal;
    const auto progress = [&hooks](const ParallelProgress& p) { hooks.Progress(p); };
    Run run(gs, seeded, std::max(threads, 1), static_cast<bool>(hooks.Progress));
    for (std::int64_t block = 0; block < run.Blocks(); ++block) {
        Block done = run.Take(block, progress);
        std::int64_t session = run.FirstSession(block);
        for (const SessionTotals& totals : done.sessions) {
            SessionRow row = MergeSession(gs, totals, session);
            runningTotal += row.WonLost;
            row.RunningTotal = runningTotal;
            summary.Hands += row.Hands;
            summary.SessionsPlayed = session++;
            summary.EndBank = gs.Bankroll;
            if (hooks.RowDone)
                hooks.RowDone(row);
        }
        if (done.failure)
            std::rethrow_exception(done.failure);
        run.Recycle(std::move(done));
    }
    summary.EndBank = gs.Bankroll;
    return summary;
}

} // namespace bj
