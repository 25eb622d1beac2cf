"""Records, translations and spectra of binary data files (.vqb), read through Morvane."""
import os
from types import TracebackType
from typing import Iterable, Optional, Tuple, Union

import numpy
import numpy.typing

__version__: str

class Record:
    """One record of a file, addressed by its type code and its number among the records of that type."""
    @property
    def type(self) -> int: ...
    @property
    def number(self) -> int: ...
    @property
    def name(self) -> str: ...
    @property
    def size(self) -> int:
        """Bytes, as verda list shows them."""
    @property
    def complete(self) -> bool:
        """False when the file ends before the record does."""

_RecordLike = Union[Record, Tuple[int, int]]

class Profile:
    """A data profile: a name and twelve option words; str() gives its text form."""
    @property
    def name(self) -> str: ...
    @property
    def words(self) -> Tuple[int, ...]: ...

class Spectrum:
    """A Standard-mode spectrum with its bands in the order the translation writes them."""
    @property
    def labels(self) -> list[str]: ...
    @property
    def frequencies(self) -> numpy.typing.NDArray[numpy.float64]:
        """Hz, one per band; NaN where the label carries no "Hz" or "kHz"."""
    @property
    def levels(self) -> numpy.typing.NDArray[numpy.float32]:
        """dB, of shape (channels, bands)."""

class File:
    """A binary data file; closing it (or leaving its with block) frees it."""
    @property
    def path(self) -> str: ...
    @property
    def records(self) -> list[Record]: ...
    def blocks(self, record: _RecordLike) -> list[str]:
        """The names of the blocks the record holds; ValueError for a record the file does not hold whole."""
    def spectrum(self, record: _RecordLike) -> Optional[Spectrum]:
        """The record's Standard-mode spectrum, or None where it has none."""
    def translate(self, records: Optional[Iterable[_RecordLike]] = None,
                  profile: Union[Profile, str, None] = None, blocks: Optional[int] = None) -> str:
        """The text verda translate writes, one character per byte: .encode("latin-1") gives its bytes.

        None means what verda does without --record, --profile or --blocks. A record
        that cannot be read is skipped with a RuntimeWarning; OSError when nothing can
        be translated."""
    def translate_to(self, path: Union[str, os.PathLike[str]], records: Optional[Iterable[_RecordLike]] = None,
                     profile: Union[Profile, str, None] = None, blocks: Optional[int] = None) -> None:
        """As translate(), into the file at path, written whole or not at all."""
    def close(self) -> None: ...
    def __enter__(self) -> File: ...
    def __exit__(self, kind: Optional[type[BaseException]], value: Optional[BaseException],
                 traceback: Optional[TracebackType]) -> None: ...

def open(path: Union[str, os.PathLike[str]]) -> File:
    """OSError when the file cannot be opened, ValueError when it is no binary data file."""

def profile(text: str) -> Profile:
    """A profile's text form, NAME,w0,...,w11, read as verda --profile reads it."""
