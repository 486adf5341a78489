#!/usr/bin/env python3
"""Adds to a compiled type library what the IDL compiler cannot write:

  --member-help ENUM   every member of the enumeration ENUM gets a help
                       string that is its own name;
  --nonextensible NAME the type NAME gets the nonextensible flag (the IDL
                       compiler refuses the attribute on a dispinterface).

  typelib_amend.py IN.tlb OUT.tlb [--member-help ENUM]... [--nonextensible NAME]...

The library is read and written whole in its own binary layout: a header,
the offsets of the type records, a directory of 15 segments (type records,
names, strings, ...) and, after the segments, one block of member records
per type. Help strings go to the end of the string segment, and each member
record of an amended enumeration grows by its help context and help string
fields; every segment and block after a grown one moves, and the offsets
that point at them (the segment directory and each type's block offset)
move with them.
"""
import argparse
import struct
import sys

HEADER_SIZE = 0x54
HELP_DLL_FLAG = 0x100
SEGMENTS = 15
TYPE_RECORD_SIZE = 0x64
SEG_TYPES, SEG_NAMES, SEG_STRINGS = 0, 7, 8
TYPEFLAG_FNONEXTENSIBLE = 0x80
TKIND_ENUM = 0
VAR_RECORD_SHORT = 20  # up to the value field
VAR_RECORD_HELP = 28   # with the help context and help string fields


def i32(data, offset):
    return struct.unpack_from('<i', data, offset)[0]


def put32(data, offset, value):
    struct.pack_into('<i', data, offset, value)


class TypeLibrary:
    def __init__(self, data):
        if data[:4] != b'MSFT':
            raise ValueError('not a type library of this format')
        self.count = i32(data, 32)
        start = HEADER_SIZE + (4 if i32(data, 20) & HELP_DLL_FLAG else 0)
        self.directory = start + 4 * self.count
        self.head = bytearray(data[:self.directory + 16 * SEGMENTS])
        self.record_offsets = [i32(data, start + 4 * k) for k in range(self.count)]
        self.segments = {}
        for k in range(SEGMENTS):
            offset, length = i32(data, self.directory + 16 * k), i32(data, self.directory + 16 * k + 4)
            if offset >= 0:
                self.segments[k] = bytearray(data[offset:offset + length])
        self.order = sorted(self.segments, key=lambda k: i32(data, self.directory + 16 * k))
        position = len(self.head)
        for k in self.order:
            if i32(data, self.directory + 16 * k) != position:
                raise ValueError('segments do not follow each other')
            position += len(self.segments[k])
        # The member blocks, in type order, right after the segments.
        self.blocks = {}
        for t in range(self.count):
            members = self._members(t)
            if not members:
                continue
            memoffset = i32(self.segments[SEG_TYPES], self._record(t) + 4)
            if memoffset != position:
                raise ValueError('member blocks do not follow each other')
            size = 4 + i32(data, memoffset) + 12 * members
            self.blocks[t] = bytearray(data[memoffset:memoffset + size])
            position += size
        if position != len(data):
            raise ValueError('data after the last member block')

    def _record(self, t):
        return self.record_offsets[t]

    def _members(self, t):
        elements = i32(self.segments[SEG_TYPES], self._record(t) + 24)
        return (elements & 0xFFFF) + ((elements >> 16) & 0xFFFF)

    def name_at(self, offset):
        names = self.segments[SEG_NAMES]
        length = names[offset + 8]
        return names[offset + 12:offset + 12 + length].decode('latin-1')

    def type_named(self, name):
        for t in range(self.count):
            if self.name_at(i32(self.segments[SEG_TYPES], self._record(t) + 52)) == name:
                return t
        raise ValueError('no type named ' + name)

    def add_string(self, text):
        strings = self.segments[SEG_STRINGS]
        offset = len(strings)
        encoded = struct.pack('<h', len(text)) + text.encode('latin-1')
        encoded += b'W' * (-len(encoded) % 4)
        strings += encoded
        return offset

    def set_flag(self, t, flag):
        types = self.segments[SEG_TYPES]
        put32(types, self._record(t) + 48, i32(types, self._record(t) + 48) | flag)

    def name_members_help(self, t):
        types = self.segments[SEG_TYPES]
        if i32(types, self._record(t)) & 0xF != TKIND_ENUM:
            raise ValueError('not an enumeration')
        block = self.blocks[t]
        count = self._members(t)
        infolen = i32(block, 0)
        arrays = block[4 + infolen:]
        name_offsets = [i32(arrays, 4 * (count + k)) for k in range(count)]
        record_offsets = [i32(arrays, 4 * (2 * count + k)) for k in range(count)]
        records = bytearray()
        for k in range(count):
            start = 4 + record_offsets[k]
            info = i32(block, start)
            if info & 0xFFFF != VAR_RECORD_SHORT:
                raise ValueError('member record of an unexpected size')
            record = bytearray(block[start:start + VAR_RECORD_SHORT])
            put32(record, 0, (info & ~0xFFFF) | VAR_RECORD_HELP)
            record += struct.pack('<ii', 0, self.add_string(self.name_at(name_offsets[k])))
            put32(arrays, 4 * (2 * count + k), len(records))
            records += record
        self.blocks[t] = bytearray(struct.pack('<i', len(records))) + records + arrays

    def write(self):
        head = bytearray(self.head)
        position = len(head)
        for k in self.order:
            put32(head, self.directory + 16 * k, position)
            put32(head, self.directory + 16 * k + 4, len(self.segments[k]))
            position += len(self.segments[k])
        end = position + sum(len(b) for b in self.blocks.values())
        types = self.segments[SEG_TYPES]
        for t in range(self.count):
            if t in self.blocks:
                put32(types, self._record(t) + 4, position)
                position += len(self.blocks[t])
            else:
                put32(types, self._record(t) + 4, end)
        out = head
        for k in self.order:
            out += self.segments[k]
        for t in sorted(self.blocks):
            out += self.blocks[t]
        return bytes(out)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument('source')
    parser.add_argument('target')
    parser.add_argument('--member-help', action='append', default=[])
    parser.add_argument('--nonextensible', action='append', default=[])
    args = parser.parse_args()
    with open(args.source, 'rb') as f:
        data = f.read()
    library = TypeLibrary(data)
    if library.write() != data:
        sys.exit('typelib_amend: the library does not read back as it was')
    for name in args.member_help:
        library.name_members_help(library.type_named(name))
    for name in args.nonextensible:
        library.set_flag(library.type_named(name), TYPEFLAG_FNONEXTENSIBLE)
    with open(args.target, 'wb') as f:
        f.write(library.write())


if __name__ == '__main__':
    main()
