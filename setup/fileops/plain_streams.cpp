// The plain reader and the two writers, on the file handles of OpenFile.
#include "fileops/copy_readers_writers.h"

#include "fileops/legacy_file.h"
#include "install_log/operation_recorder.h"

namespace {

// Closes file and forgets it; false when there was none or closing failed.
bool CloseLegacy(HFILE& file) {
  if (file == HFILE_ERROR) return false;
  const HFILE closing = file;
  file = HFILE_ERROR;
  return _lclose(closing) != HFILE_ERROR;
}

}  // namespace

PlainReader::~PlainReader() { CloseLegacy(file_); }

bool PlainReader::Open(const char* path) {
  if (file_ != HFILE_ERROR) return false;
  file_ = OpenLegacyFile(path, OF_READ);
  return file_ != HFILE_ERROR;
}

bool PlainReader::Close() { return CloseLegacy(file_); }

int32_t PlainReader::Read(void* buffer, int32_t size) {
  if (file_ == HFILE_ERROR || size < 0) return -1;
  const UINT got = _lread(file_, buffer, static_cast<UINT>(size));
  return got == static_cast<UINT>(HFILE_ERROR) ? -1 : static_cast<int32_t>(got);
}

CreateWriter::~CreateWriter() { CloseLegacy(file_); }

bool CreateWriter::Open(const char* path) {
  if (file_ != HFILE_ERROR) return false;
  file_ = OpenLegacyFile(path, OF_CREATE);
  return file_ != HFILE_ERROR;
}

bool CreateWriter::Close() { return CloseLegacy(file_); }

int32_t CreateWriter::Write(const void* buffer, int32_t size) {
  if (file_ == HFILE_ERROR || size < 0) return -1;
  const UINT written = _lwrite(file_, static_cast<LPCCH>(buffer), static_cast<UINT>(size));
  return written == static_cast<UINT>(HFILE_ERROR) ? -1 : static_cast<int32_t>(written);
}

void CreateWriter::Record(OperationRecorder& recorder, const char* source, const char* destination,
                          int32_t flag) {
  recorder.FileCopied(source, destination, flag);
}

bool AppendWriter::Open(const char* path) {
  if (file_ != HFILE_ERROR) return false;
  appends_ = GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
  formerLength_ = 0;
  file_ = OpenLegacyFile(path, appends_ ? OF_WRITE : OF_CREATE);
  if (file_ == HFILE_ERROR) return false;
  const LONG end = _llseek(file_, 0, FILE_END);
  if (end == HFILE_ERROR) {
    CloseLegacy(file_);
    return false;
  }
  formerLength_ = static_cast<uint32_t>(end);
  return true;
}

void AppendWriter::Record(OperationRecorder& recorder, const char* source, const char* destination,
                          int32_t flag) {
  if (appends_)
    recorder.FileAppended(source, destination, flag, formerLength_);
  else
    recorder.FileCopied(source, destination, flag);
}
