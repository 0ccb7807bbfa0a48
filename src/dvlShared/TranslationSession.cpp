#include "dvlShared/TranslationSession.h"

#include <pthread.h>

#include <atomic>
#include <mutex>

#include "zuxlator/json1.h"

namespace dvlShared {
namespace {

// Recursive, with priority inheritance: a waiting thread lends its
// scheduling level to the thread that describes.
class TranslationMutex {
public:
  TranslationMutex() {
    pthread_mutexattr_t attributes;
    if (pthread_mutexattr_init(&attributes) != 0) return;
    pthread_mutexattr_settype(&attributes, PTHREAD_MUTEX_RECURSIVE);
    pthread_mutexattr_setprotocol(&attributes, PTHREAD_PRIO_INHERIT);
    usable_ = pthread_mutex_init(&mutex_, &attributes) == 0;
    pthread_mutexattr_destroy(&attributes);
  }
  ~TranslationMutex() {
    if (usable_) pthread_mutex_destroy(&mutex_);
  }
  bool usable() const { return usable_; }
  void lock() { pthread_mutex_lock(&mutex_); }
  void unlock() { pthread_mutex_unlock(&mutex_); }

private:
  pthread_mutex_t mutex_;
  bool usable_ = false;
};

TranslationMutex &Mutex() {
  static TranslationMutex mutex;
  return mutex;
}

std::atomic<zuxlator::Session *> gSession{nullptr};

// Made under the mutex by the first description, and again by the next one
// when making it failed or the session was released; destroyed at unload,
// before the mutex (which was made first) and under it.
class SessionOwner {
public:
  ~SessionOwner() { ReleaseTranslatorSession(); }
};

zuxlator::Session *ProcessSession() {
  static SessionOwner owner;
  if (gSession.load() == nullptr) {
    zuerr::Status status;
    gSession.store(zuxlator::CreateSession(status));
  }
  return gSession.load();
}

// Where the status being described says it was set.
constexpr zuerr::SourceLocation kDescribedCode{"tErrorLookup", __LINE__, "zuvexa", "errCode"};

} // namespace

std::string DescribeCode(ViStatus code, zumxl::LanguageId language, uint32_t flags) {
  zuerr::Status described;
  zuerr::SetCodeWithLocation(described, code, kDescribedCode);
  zuxlator::json1::OpenOrderedData(described, zuxlator::kDriverTranslator);
  std::string text;
  TranslationMutex &mutex = Mutex();
  if (!mutex.usable()) return text;
  std::lock_guard<TranslationMutex> lock(mutex);
  zuxlator::Session *session = ProcessSession();
  if (session == nullptr) return text;
  zuerr::Status work;
  zuxlator::json1::translateErrStatusToRawText(*session, described, language, flags, text, work);
  return text;
}

zuxlator::Session *TranslatorSessionIfCreated() { return gSession.load(); }

void ReleaseTranslatorSession() {
  TranslationMutex &mutex = Mutex();
  if (!mutex.usable()) return;
  std::lock_guard<TranslationMutex> lock(mutex);
  zuxlator::DestroySession(gSession.exchange(nullptr));
}

} // namespace dvlShared
