#pragma once

#include <array>

namespace soundlibrary {

// The tables of the library's index, made in one transaction when the file has none.
// files: every sound file of the library folders, by its path as bytes (a name need not be UTF-8),
//   its size and modification time (ns since the epoch) as last seen, and what analysis found
//   (NULL until then; loudness stays NULL where libebur128 is missing). kind: 0 not yet analysed,
//   1 a sound, 2 not a sound, 3 unreadable. name and folder are the searched texts, in UTF-8 (bytes
//   that are not are replaced), the folder from the library folder's own name on. analysis: which
//   version of the analysis (SoundAnalysis::kVersion) filled the row, NULL before one did; a row of
//   an older one waits for the analysis again, keeping what it holds until then.
// words: the full-text index over name and folder, kept in step by triggers; prefixes of one to
//   three characters are indexed too, so that the first letters typed find their rows at once.
// The other indexes give the list's orders without sorting the whole library: by folder and name,
//   by length after the lead-in (the expression the search names), by brightness.
inline constexpr const char* kLibrarySchema = R"sql(
CREATE TABLE files(
  id INTEGER PRIMARY KEY,
  root BLOB NOT NULL,
  path BLOB NOT NULL UNIQUE,
  folder TEXT NOT NULL,
  name TEXT NOT NULL,
  utf8 INTEGER NOT NULL,
  format TEXT NOT NULL,
  size INTEGER NOT NULL,
  mtime INTEGER NOT NULL,
  kind INTEGER NOT NULL DEFAULT 0,
  seconds REAL,
  rate REAL,
  channels INTEGER,
  lead_in REAL,
  peak REAL,
  loudness REAL,
  loudest_short_term REAL,
  centroid REAL,
  analysis INTEGER
);
CREATE INDEX files_root ON files(root);
CREATE INDEX files_kind ON files(kind);
CREATE INDEX files_listed ON files(folder, name);
CREATE INDEX files_sound_seconds ON files(seconds - coalesce(lead_in, 0));
CREATE INDEX files_centroid ON files(centroid);
CREATE INDEX files_analysis ON files(analysis);
CREATE VIRTUAL TABLE words USING fts5(name, folder, content='files', content_rowid='id',
  tokenize='unicode61 remove_diacritics 2', prefix='1 2 3');
CREATE TRIGGER files_added AFTER INSERT ON files BEGIN
  INSERT INTO words(rowid, name, folder) VALUES (new.id, new.name, new.folder);
END;
CREATE TRIGGER files_removed AFTER DELETE ON files BEGIN
  INSERT INTO words(words, rowid, name, folder) VALUES ('delete', old.id, old.name, old.folder);
END;
CREATE TRIGGER files_renamed AFTER UPDATE OF name, folder ON files BEGIN
  INSERT INTO words(words, rowid, name, folder) VALUES ('delete', old.id, old.name, old.folder);
  INSERT INTO words(rowid, name, folder) VALUES (new.id, new.name, new.folder);
END;
)sql";

// The steps that bring an index of an older layout up to this one, each run in the one transaction
// that also sets the new version: kLibraryMigrations[v - 1] takes version v to v + 1. An index is
// cache, but making it anew costs a large library minutes of analysis: a step keeps every row.
// 1 to 2: the analysis column; every row analysed until then was analysed by the first analysis.
inline constexpr std::array<const char*, 1> kLibraryMigrations{R"sql(
ALTER TABLE files ADD COLUMN analysis INTEGER;
UPDATE files SET analysis = 1 WHERE kind != 0;
CREATE INDEX files_analysis ON files(analysis);
)sql"};

// The rows the analysis has yet to look at: new or changed, or analysed by an older analysis; its one
// parameter is SoundAnalysis::kVersion.
inline constexpr const char* kAwaitsAnalysis = "(kind = 0 OR analysis < ?)";

} // namespace soundlibrary
