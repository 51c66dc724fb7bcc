#!/usr/bin/perl
# Every instruction in the exe's code runs on a Pentium or an AMD K6, the oldest processors
# that run Windows 2000 and XP: nothing from the Pentium Pro on (cmov, fcmov, fcomi, fucomi,
# the long nops and hint space, sysenter, rdpmc), no MMX, SSE or later. Each one found is
# named with the function and object that the link map places at its address.
#
#   check_i586.pl <objdump> <exe> <link map>
use strict;
use warnings;

my ($objdump, $exe, $map) = @ARGV;

# The map's memory map: the input sections (address, size, object) and the symbols in them.
my (@sections, @symbols, $ctors, $text_end);
open my $m, '<', $map or die "cannot read $map: $!\n";
my ($on, $pending) = (0, undef);
while (<$m>) {
    chomp;
    $on = 1 if /^Linker script and memory map/;
    next unless $on;
    if (/^\.text\s+0x([0-9a-f]+)\s+0x([0-9a-f]+)/) { $text_end = hex($1) + hex($2); next }
    $ctors = hex $1 if !defined $ctors && /^\s+0x([0-9a-f]+)\s+_*CTOR_LIST__ = \./;
    if (/^ (\.\S+)\s*$/) { $pending = $1; next }
    if (/^ (\.\S+)\s+0x([0-9a-f]+)\s+0x([0-9a-f]+)\s+(\S.*)$/) {
        push @sections, [hex $2, hex $3, $4, $1];
    } elsif (defined $pending && /^\s+0x([0-9a-f]+)\s+0x([0-9a-f]+)\s+(\S.*)$/) {
        push @sections, [hex $1, hex $2, $3, $pending];
    } elsif (/^\s+0x([0-9a-f]+)\s+([^\s0=][^=]*)$/) {
        push @symbols, [hex $1, $2];
    }
    $pending = undef;
}
close $m;
die "no memory map in $map\n" unless @sections && defined $text_end;
@symbols = sort { $a->[0] <=> $b->[0] } @symbols;

sub where {
    my ($address) = @_;
    my ($section) = grep { $_->[0] <= $address && $address < $_->[0] + $_->[1] } @sections;
    return 'nothing the map names' unless $section;
    my $symbol;
    for (@symbols) {
        last if $_->[0] > $address;
        $symbol = $_->[1] if $_->[0] >= $section->[0];
    }
    (my $object = $section->[2]) =~ s{.*/}{};
    return ($symbol // $section->[3]) . " ($object)";
}

my $newer = qr/^(?:f?cmov|fu?comip?$|sysenter|sysexit|rdpmc|fxsave|fxrstor|fisttp|emms|femms|
    [lsm]fence|prefetch|clflush|movnti|ldmxcsr|stmxcsr|popcnt|lzcnt|tzcnt|movbe|crc32|endbr)/x;
my ($count, @found) = (0);
open my $d, '-|', $objdump, '-d', '-w', $exe or die "cannot run $objdump: $!\n";
while (<$d>) {
    next unless /^\s*([0-9a-f]+):\t((?:[0-9a-f]{2} )+)\s*\t(\S+)\s*(.*)$/;
    my ($address, $bytes, $mnemonic, $operands) = (hex $1, $2, $3, $4);
    # The constructor and destructor lists at the end of .text are data, not code.
    next if defined $ctors && $address >= $ctors && $address < $text_end;
    $count++;
    (my $opcode = $bytes) =~ s/^(?:(?:66|67|f0|f2|f3|2e|3e|26|36|64|65) )+//;
    next unless $mnemonic =~ $newer || "$mnemonic $operands" =~ /%[xyz]?mm\d/
        || $opcode =~ /^0f 1[89a-f] /;
    push @found, sprintf "%-8s at 0x%08x in %s", $mnemonic, $address, where($address);
}
close $d or die "$objdump failed on $exe\n";
die "no instructions read from $exe\n" unless $count;
if (@found) {
    print "newer than the i586, so it would stop a Pentium or a K6: ", scalar @found, "\n";
    print "  $_\n" for @found;
    exit 1;
}
print "i586: all $count instructions\n";
