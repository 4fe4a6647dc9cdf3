unit Stock;

interface

type
  TItem = record
    Code: string;
    Count: Integer;
  end;

function Describe(const Item: TItem; Prefix: string = '- '): string;
function Restock(var Item: TItem;
  Amount: Integer;
  Limit: Integer = 100): Integer;
procedure Take(var Item: TItem; Amount: Integer);
procedure Report(const Items: array of TItem);
procedure Untouched;
function Counter: Integer;

implementation

uses
  Classes, SysUtils;

type
  // Declared and implemented here: the class goes, its methods stay.
  TTally = class
  private
    FTotal: Integer;
  public
    class function Make: TTally;
    procedure Add(N: Integer);
    property Total: Integer read FTotal;
  end;

var
  Calls: Integer = 0;

class function TTally.Make: TTally;
begin
  Result := TTally.Create;
end;

procedure TTally.Add(N: Integer);
begin
  if N < 0 then
    raise EInvalidOperation.Create('negative tally');
  FTotal := FTotal + N;
end;

function Describe(const Item: TItem; Prefix: string): string;
begin Inc(Calls);
  Result := Prefix + Item.Code + ': ' + IntToStr(Item.Count) + ' (begin; end;)';
end;

function Clamp(Value,
  Limit: Integer): Integer;
begin
  if Value > Limit then
    Result := Limit
  else
    Result := Value;
end;

function Restock(var Item: TItem;
  Amount: Integer;
  Limit: Integer): Integer;
begin
  Item.Count := Clamp(Item.Count + Amount, Limit);
  Result := Item.Count; end;

procedure Take(var Item: TItem; Amount: Integer);
label
  Done;
begin
  if Amount = 0 then
    goto Done;
  if Amount > Item.Count then
    raise EInvalidOperation.CreateFmt('only %d of %s', [Item.Count, Item.Code]);
  Dec(Item.Count, Amount);
Done:
end;

procedure Report(const Items: array of TItem);
var
  Tally: TTally;
  I: Integer;
begin
  Tally := TTally.Make;
  try
    I := Low(Items);
    while I <= High(Items) do
    begin
      WriteLn(Describe(Items[I]));
      Tally.Add(Items[I].Count);
      Inc(I);
    end;
    repeat
      Dec(I);
    until I < 0;
    WriteLn('total ', Tally.Total);
  finally
    Tally.Free;
  end;
end;

procedure Untouched;
begin
  {Corvane.IgnoreRoutine}
  WriteLn('left alone');
end;

function Counter: Integer;
begin
end;

end.
