unit Indented;

{ Written on this host: LF line breaks and a UTF-8 byte order mark. }

interface

uses
  SysUtils;

var
  Calls: Integer = 0;

function Checksum(const S: string): Integer;
procedure Store(const S: string);
procedure Report(const Items: array of string);

implementation { no uses clause here: the library unit's clause goes
  after this comment, which runs over three lines
  and ends here }

var
  Stored: string = '';

// The opening of this body, its begin included, is in an include file.
function Checksum(const S: string): Integer;
var
  I: Integer;
{$I Prologue.inc}
  Result := 0;
  for I := 1 to Length(S) do
    Result := Result + Ord(S[I]);
  if Result > 1000 then
    raise ERangeError.CreateFmt('checksum %d too large', [Result]);
end;

procedure Store(const S: string);
begin
  if Checksum(S) mod 2 = 0 then
    Stored := Stored + S
  else
    Stored := S + Stored;
  WriteLn('stored ', Stored);
end;

// The begin at two blanks, the body at four.
procedure Report(const Items: array of string);
var
  I: Integer;
  begin
    for I := Low(Items) to High(Items) do
      WriteLn('  item ', Items[I]);
    if Length(Items) = 0 then
      raise EArgumentException.Create('nothing to report');
  end;

end.
